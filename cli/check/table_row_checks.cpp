// Rows the table reader splits otherwise than the author meant, and rows
// whose own files are missing.

#include <climits>

#include "cli/check/check_texts.h"
#include "cli/check/checks.h"
#include "cli/check/records.h"
#include "tables/catalogue.h"

namespace velmora::cli::check {
namespace {

// Cells a row may carry before its extra ones are lost. The photograph table
// is declared with 6 but its rows carry a seventh cell that is read (the
// place); slide rows are as long as their sets.
int ExpectedCells(const TableFile& file) {
  if (file.fileName == tables::FileName(tables::kPhotoTable)) return 7;
  if (file.fileName == tables::FileName(tables::kSlideTable)) return INT_MAX;
  return file.declaredColumns;
}

std::string Key(const Record& record) {
  const std::size_t end = record.text.find(';');
  return texts::IsoUtf8(record.text.substr(0, end));
}

void CheckSplitting(Disc& disc, const TableFile& file, Findings& findings) {
  const std::string shown = disc.Display(disc.paths().tableDir + file.fileName);
  const int expected = ExpectedCells(file);
  for (const Record& record : SplitRecords(*file.bytes)) {
    if (const int column = UnclosedQuoteColumn(record.text)) {
      findings.Add(
          {"table-unclosed-quote", shown, record.line, Key(record),
           "the double quote opening column " + std::to_string(column) + " is never closed",
           "column " + std::to_string(column) +
               " holds the rest of the record, separators included, and the columns "
               "after it stay empty"});
      continue;
    }
    const int cells = CellCount(record.text);
    if (cells > expected) {
      findings.Add({"table-extra-cells", shown, record.line, Key(record),
                    "the row has " + std::to_string(cells) + " cells, " + file.tableName +
                        " declares " + std::to_string(expected),
                    "a \";\" inside a field shifts the fields after it; cells after column " +
                        std::to_string(expected) + " are never shown"});
    }
  }
}

// Photographs referenced by records whose picture file is missing.
void CheckPhotoRows(Disc& disc, const TableFile& file, Findings& findings) {
  const std::string shown = disc.Display(disc.paths().tableDir + file.fileName);
  const std::vector<Record> records = SplitRecords(*file.bytes);
  for (std::size_t row = 0; row < records.size(); ++row) {
    const tables::Table& t = file.table;
    const int r = static_cast<int>(row);
    if (t.Cell(0, r).empty() || t.Cell(3, r).empty()) continue;
    const std::string picture = std::string(t.Cell(1, r)).append(t.Cell(0, r)).append(".jpg");
    const std::string path = disc.paths().photoDir + picture;
    if (disc.Exists(path)) continue;
    findings.Add({"photo-missing-picture", shown, records[row].line, texts::IsoUtf8(t.Cell(0, r)),
                  "the photograph's picture " + disc.Display(path) + " does not exist",
                  "nothing: the photograph is left out of the photo strips of " +
                      texts::IsoUtf8(t.Cell(3, r))});
  }
}

// Dictionary entries whose definition the balloon cannot show.
void CheckDictionaryRows(Disc& disc, const TableFile& file, Findings& findings) {
  const std::string shown = disc.Display(disc.paths().tableDir + file.fileName);
  const std::vector<Record> records = SplitRecords(*file.bytes);
  for (std::size_t row = 0; row < records.size(); ++row) {
    const tables::Table& t = file.table;
    const int r = static_cast<int>(row);
    const std::string key(t.Cell(0, r));
    if (key.empty() || t.Cell(1, r).empty()) continue;  // no entry: reported at its links
    const std::string definition(t.Cell(2, r));
    if (definition.find("<--file-->") != std::string::npos) {
      const std::string path = disc.paths().tableDir + platform::IsoToWin1250(key) + ".dic";
      if (!disc.Exists(path)) {
        findings.Add({"definition-file-missing", shown, records[row].line, texts::IsoUtf8(key),
                      "the definition is in " + disc.Display(path) + ", which does not exist",
                      "a balloon with the headword and no definition"});
      }
    } else if (definition.empty()) {
      findings.Add({"definition-empty", shown, records[row].line, texts::IsoUtf8(key),
                    "the entry has a headword but no definition",
                    "a balloon with the headword and \"" + texts::NoDefinition() + "\""});
    }
  }
}

// Slide sets with slides whose picture is missing (the table is already
// resolved to "f"/"m" names, as the viewer holds it).
void CheckSlideRows(Disc& disc, const TableFile& file, Findings& findings) {
  const std::string shown = disc.Display(disc.paths().tableDir + file.fileName);
  const std::vector<Record> records = SplitRecords(*file.bytes);
  const tables::Table& t = file.table;
  for (std::size_t row = 0; row < records.size(); ++row) {
    const int r = static_cast<int>(row);
    if (t.Cell(0, r).empty()) continue;
    std::string missing;
    int count = 0;
    for (int column = 1; column < t.RowWidth(r); ++column) {
      const std::string name(t.Cell(column, r));
      if (name.empty() || disc.Exists(disc.paths().photoDir + name + ".jpg")) continue;
      missing += (count++ ? ", " : "") + texts::IsoUtf8(name);
    }
    if (count == 0) continue;
    findings.Add({"slide-missing-picture", shown, records[row].line, texts::IsoUtf8(t.Cell(0, r)),
                  "no picture f<name>.jpg or m<name>.jpg in " +
                      disc.Display(disc.paths().photoDir) + " for slide " + missing,
                  "a slide show with a broken slide, or without its last slides"});
  }
}

}  // namespace

void CheckTableRows(Disc& disc, Findings& findings) {
  for (const TableFile& file : disc.tableFiles()) {
    if (!file.bytes) continue;  // reported as a missing table file
    CheckSplitting(disc, file, findings);
    if (file.fileName == "FOTO.CSV") CheckPhotoRows(disc, file, findings);
    if (file.fileName == "DICT.CSV") CheckDictionaryRows(disc, file, findings);
    if (file.fileName == "SLIDE.CSV") CheckSlideRows(disc, file, findings);
  }
}

}  // namespace velmora::cli::check
