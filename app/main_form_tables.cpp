// Table loading and the slide-table fix-up.
#include "app/main_form.h"
#include "app/startup_error.h"

namespace velmora::app {
namespace {

// Windows-1250.
constexpr const char* kCannotOpen = "Nie mo\xBFna otworzy\xE6 pliku: ";

}  // namespace

void TMainForm::LoadCsvTable(tables::Table& table, int declaredColumns,
                             const std::string& fileName) {
  table.GrowColumns(declaredColumns);
  const std::string path = paths.tableDir + fileName;
  // The slide table is used at once (ResolveSlidePictures); the others are
  // read and split on the worker thread later in the start-up, where the
  // files may be read from any thread. A missing file is reported here, in
  // the loading order, either way; one that exists but cannot be read is
  // reported when start-up waits for the tables (WaitForTables).
  if (&table != &SG_Slide && files_.ReadsFromAnyThread()) {
    if (!files_.FileExists(path)) throw StartupError(kCannotOpen + path);
    tableReader_.ReadLater(table, [&files = files_, path] {
      // Meanwhile the start-up program plays and the browser shows the page.
      files.ReadingInBackground();
      std::optional<std::string> bytes = files.ReadFile(path);
      if (!bytes) throw StartupError(kCannotOpen + path);
      return std::move(*bytes);
    });
    return;
  }
  std::optional<std::string> bytes = files_.ReadFile(path);
  if (!bytes) throw StartupError(kCannotOpen + path);
  tableReader_.Read(table, std::move(*bytes));
}

void TMainForm::WaitForTables() {
  tableReader_.Resume();  // reads still held would never arrive
  // The browser engine works on this thread too: the wait goes on answering
  // its messages, or the start page would stop loading meanwhile.
  for (const tables::Table* table : CatalogueTables()) {
    while (!table->ContentsArrived()) ui_.WaitForMessages(kTableWaitSliceMs);
    table->RowCount();  // takes the contents; a failed read throws here
  }
}

void TMainForm::ResolveSlidePictures() {
  for (int row = 0; row < SG_Slide.RowCount(); ++row) {
    // Column 0 holds the slide-show name, never a picture. Cells past the
    // row's own are empty: one wide row must not widen every other.
    for (int column = 1; column < SG_Slide.RowWidth(row); ++column) {
      const std::string name(SG_Slide.Cell(column, row));
      if (name.empty()) continue;
      if (files_.FileExists(paths.photoDir + "f" + name + ".jpg")) {
        SG_Slide.SetCell(column, row, "f" + name);
      } else if (files_.FileExists(paths.photoDir + "m" + name + ".jpg")) {
        SG_Slide.SetCell(column, row, "m" + name);
      }
    }
  }
}

}  // namespace velmora::app
