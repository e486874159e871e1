#pragma once
// Loading the catalogue's tables at start-up: the slide table at once, the
// others read and split on a worker thread while start-up goes on, each
// waited for at its first use or at the end of start-up.

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/ui.h"
#include "tables/background_reader.h"
#include "tables/table.h"

namespace velmora::tables {

class TableLoading {
 public:
  static constexpr int kWaitSliceMs = 5;

  TableLoading(platform::FileSystem& files, platform::Ui& ui) : files_(files), ui_(ui) {}

  // Reads are held from the start of loading until the start page has had
  // its time.
  void Hold() { reader_.Hold(); }
  void Resume() { reader_.Resume(); }
  // Gives the table the declared columns and reads the file into it, now
  // (atOnce, or a file system read on this thread only) or later. A missing
  // file throws StartupError here, in the loading order, either way; one
  // that exists but cannot be read throws when the table is waited for.
  void Load(Table& table, int declaredColumns, const std::string& path, bool atOnce);
  // Takes the tables still being read, answering messages meanwhile;
  // throws the error of a table file that could not be read.
  void WaitForAll(const std::vector<const Table*>& tables);

 private:
  platform::FileSystem& files_;
  platform::Ui& ui_;
  BackgroundReader reader_;
};

// Slide names name a photograph with its prefix letter ("f" or "m") left
// out: each cell after the set's name gets the letter of the picture that
// exists, "f" first.
void ResolveSlidePictures(Table& slides, platform::FileSystem& files, const std::string& photoDir);

}  // namespace velmora::tables
