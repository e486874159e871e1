#pragma once
// What an export holds whether or not a page links to it: every key of
// every table a link can name, as its link would name it, and every file of
// the disc's Data/, Foto/ and Map/ with the location and map pages of the
// map pictures. Handed out one at a time, in that order, as the export's
// queue runs down: a large disc has hundreds of thousands of them, and
// queued all at once they held a hundred megabytes.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tables/table.h"

namespace velmora::app {
class TMainForm;
}

namespace velmora::cli::exporting {

struct Seed {
  enum class Kind { Link, DiscFile };
  Kind kind = Kind::Link;
  std::string value;  // a link's address or a core path
  // A heading of a dictionary (1) or of the biotopes (2) for the search,
  // 0 for none; key and heading as the table holds them.
  int definitionKind = 0;
  std::string key;
  std::string heading;
};

class ExportSeeds {
 public:
  // The form's tables (it outlives this) and the folders of its paths.
  ExportSeeds(const app::TMainForm& form, platform::FileSystem& files);

  std::optional<Seed> Next();
  // How many are left at most (a progress bar's total).
  std::size_t Remaining() const { return remaining_; }

 private:
  struct LinkedTable {
    const tables::Table* table;
    const char* link;
    int definitionKind;
  };
  std::optional<Seed> NextKey();
  std::optional<Seed> NextFile();
  // Starts the next folder; false when none is left.
  bool OpenFolder();

  std::vector<LinkedTable> linked_;
  const tables::Table* photos_;
  std::size_t table_ = 0;  // in linked_, then the photographs
  int row_ = 0;
  struct Folder {
    std::string real;
    bool maps;  // Map/: its pictures have pages
  };
  std::vector<Folder> folders_;
  std::size_t folder_ = 0;  // the next to open
  bool inMaps_ = false;
  std::filesystem::recursive_directory_iterator entry_;
  std::optional<Seed> mapPage_;  // the page of the map picture just handed out
  std::size_t remaining_ = 0;
};

}  // namespace velmora::cli::exporting
