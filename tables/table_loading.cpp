#include "tables/table_loading.h"

#include <memory>

#include "tables/startup_error.h"

namespace velmora::tables {
namespace {

// Windows-1250.
constexpr const char* kCannotOpen = "Nie mo\xBFna otworzy\xE6 pliku: ";

}  // namespace

void TableLoading::Load(Table& table, int declaredColumns, const std::string& path, bool atOnce) {
  table.GrowColumns(declaredColumns);
  if (!atOnce && files_.ReadsFromAnyThread()) {
    if (!files_.FileExists(path)) throw StartupError(kCannotOpen + path);
    reader_.ReadLater(table, [&files = files_, path] {
      // Meanwhile the start-up program plays and the browser shows the page.
      files.ReadingInBackground();
      std::shared_ptr<const platform::FileBytes> bytes = files.MapFile(path);
      if (!bytes) throw StartupError(kCannotOpen + path);
      return bytes;
    });
    return;
  }
  std::shared_ptr<const platform::FileBytes> bytes = files_.MapFile(path);
  if (!bytes) throw StartupError(kCannotOpen + path);
  reader_.Read(table, std::move(bytes));
}

void TableLoading::WaitForAll(const std::vector<const Table*>& tables) {
  reader_.Resume();  // reads still held would never arrive
  // The browser engine works on this thread too: the wait goes on answering
  // its messages, or the start page would stop loading meanwhile.
  for (const Table* table : tables) {
    while (!table->ContentsArrived()) ui_.WaitForMessages(kWaitSliceMs);
    table->RowCount();  // takes the contents; a failed read throws here
  }
}

void ResolveSlidePictures(Table& slides, platform::FileSystem& files, const std::string& photoDir) {
  for (int row = 0; row < slides.RowCount(); ++row) {
    // Column 0 holds the slide-show name, never a picture. Cells past the
    // row's own are empty: one wide row must not widen every other.
    for (int column = 1; column < slides.RowWidth(row); ++column) {
      const std::string name(slides.Cell(column, row));
      if (name.empty()) continue;
      if (files.FileExists(photoDir + "f" + name + ".jpg")) {
        slides.SetCell(column, row, "f" + name);
      } else if (files.FileExists(photoDir + "m" + name + ".jpg")) {
        slides.SetCell(column, row, "m" + name);
      }
    }
  }
}

}  // namespace velmora::tables
