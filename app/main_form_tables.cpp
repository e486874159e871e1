// Table loading, the column accessor Dane and the slide-table fix-up.
#include "app/main_form.h"
#include "app/startup_error.h"
#include "platform/codepage.h"

namespace velmora::app {
namespace {

// Windows-1250 texts of the accessor's messages.
constexpr const char* kCannotOpen = "Nie mo\xBFna otworzy\xE6 pliku: ";
constexpr const char* kBadColumnText = "Dane(nrKol) = ";
constexpr const char* kBadColumnCaption = "Error";
constexpr const char* kKeyColumnCaption = "Error - za du\xBFy index do kolum.";

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

bool TMainForm::DaneArgumentsValid(const tables::Table& table, int nrKol, int keyColumn) {
  if (nrKol <= 0) {
    ui_.MessageBox(kBadColumnText + std::to_string(nrKol), kBadColumnCaption, platform::Icon::Stop);
    return false;
  }
  // A key column equal to the column count passes and simply matches empty cells.
  if (keyColumn < 0 || keyColumn > table.ColumnCount()) {
    ui_.MessageBox(
        "Tablica " + table.Name() + " posiada " + std::to_string(table.ColumnCount()) + " kolumn.",
        kKeyColumnCaption, platform::Icon::Stop);
    return false;
  }
  return true;
}

std::string TMainForm::Dane(const tables::Table& table, const std::string& key, int nrKol,
                            int keyColumn) {
  if (!DaneArgumentsValid(table, nrKol, keyColumn)) return {};
  const int row = table.FindRow(keyColumn, key);
  return row < 0 ? std::string() : std::string(table.Cell(nrKol - 1, row));
}

std::string TMainForm::Dane(const tables::Table& table, const std::string& word, int nrKol,
                            int keyColumn, int& row) {
  if (!DaneArgumentsValid(table, nrKol, keyColumn)) return {};
  const std::string lowerWord = platform::LowerWin1250(word);
  if (row < 0) row = 0;  // rows before the first do not exist
  for (; row < table.RowCount(); ++row) {
    const std::string candidate =
        platform::LowerWin1250(platform::IsoToWin1250(std::string(table.Cell(keyColumn, row))));
    if (candidate.find(lowerWord) != std::string::npos) {
      return std::string(table.Cell(nrKol - 1, row));
    }
  }
  return {};
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
