#include "cli/check/disc.h"

#include <algorithm>
#include <set>
#include <utility>

#include "platform/codepage.h"
#include "tables/catalogue.h"

namespace velmora::cli::check {

Disc::Disc(const std::optional<platform::ContentKey>& key, const std::string& currentDir) {
  if (key) {
    keyGiven_ = true;
    paths_.contentRoot = key->cdPath.value_or("");
    paths_.installRoot = key->instPath.value_or("");
  } else {
    paths_.contentRoot = currentDir;
    if (paths_.contentRoot.empty() || paths_.contentRoot.back() != '/') paths_.contentRoot += '/';
    paths_.installRoot = paths_.contentRoot;
  }
  paths_.DeriveDirectories();

  for (const tables::CatalogueEntry& entry : tables::kCatalogue) {
    TableFile file{std::string(entry.fileName), std::string(entry.tableName), entry.declaredColumns,
                   std::nullopt,
                   tables::Table(std::string(entry.tableName), entry.declaredColumns)};
    file.bytes = files_.ReadFile(paths_.tableDir + file.fileName);
    if (file.bytes) tables::ReadCsvText(file.table, *file.bytes);
    tables_.push_back(std::move(file));
  }
  ResolveSlidePictures();

  menuBytes_ = files_.ReadFile(paths_.tableDir + "MENU.CSV");
  tables::ReadMenuDefinition(menuBytes_.value_or(""), typMenu_, plikMenu_);
  treeBytes_ = files_.ReadFile(paths_.tableDir + "DRZEWO1.CSV");
  treeResult_ = tables::ReadTreePages(treeBytes_.value_or(""), daneDrzewa_);
}

// The start-up fix-up of the slide table: each picture name gets the "f" or
// "m" prefix of the photograph that exists.
void Disc::ResolveSlidePictures() {
  tables::Table& slides = tables_.back().table;
  for (int row = 0; row < slides.RowCount(); ++row) {
    for (int column = 1; column < slides.RowWidth(row); ++column) {
      const std::string name(slides.Cell(column, row));
      if (name.empty()) continue;
      if (Exists(paths_.photoDir + "f" + name + ".jpg")) {
        slides.SetCell(column, row, "f" + name);
      } else if (Exists(paths_.photoDir + "m" + name + ".jpg")) {
        slides.SetCell(column, row, "m" + name);
      }
    }
  }
}

bool Disc::Exists(const std::string& path) {
  const auto found = exists_.find(path);
  if (found != exists_.end()) return found->second;
  const bool exists = files_.FileExists(path);
  exists_.emplace(path, exists);
  return exists;
}

std::vector<std::string> Disc::ListFiles(const std::string& dir, const std::string& wildcard) {
  std::vector<std::string> names;
  for (const platform::DirEntry& entry : files_.List(dir + wildcard)) {
    if (entry.isRegularFile) names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> Disc::ListDirectories(const std::string& dir) {
  std::vector<std::string> names;
  for (const platform::DirEntry& entry : files_.List(dir + "*")) {
    if (entry.isDirectory && entry.name != "." && entry.name != "..") names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

const tables::Table& Disc::table(std::string_view fileName) const {
  for (const TableFile& file : tables_) {
    if (file.fileName == fileName) return file.table;
  }
  return tables_.front().table;
}

std::optional<std::string> Disc::Lookup(std::string_view fileName, const std::string& key,
                                        int nrKol) const {
  // An empty key would match the table's padding rows; no link means those.
  if (key.empty()) return std::nullopt;
  const tables::Table& t = table(fileName);
  const int row = t.FindRow(0, key);
  if (row < 0) return std::nullopt;
  return std::string(t.Cell(nrKol - 1, row));
}

const std::map<int, std::vector<std::string>>& Disc::PagesByMenuLine() {
  if (pagesByMenuLine_) return *pagesByMenuLine_;
  pagesByMenuLine_.emplace();
  // Pages already taken, so that thousands of pages of one menu are not
  // each compared with all the others.
  std::set<std::pair<int, std::string>> taken;
  for (const std::string& file : ListFiles(paths_.dataDir, "*.htm*")) {
    std::string page = platform::LowerAscii(file);
    const std::size_t htm = page.find(".htm");
    if (htm == std::string::npos || htm == 0) continue;
    page.resize(htm);
    if (std::string_view("sabcdem").find(page.back()) != std::string_view::npos) page.pop_back();
    const int number = tables::ParseWholeNumber(page).value_or(-1);
    if (number < 1 || number >= tables::iloscPlikowMenu) continue;
    const int line = plikMenu_[number];
    if (line < 0 || line >= tables::iloscTypowMenu) continue;
    if (taken.emplace(line, page).second) (*pagesByMenuLine_)[line].push_back(page);
  }
  return *pagesByMenuLine_;
}

std::string Disc::Display(const std::string& path) const {
  std::string shown = path;
  for (const std::string* root : {&paths_.installRoot, &paths_.contentRoot}) {
    if (!root->empty() && path.size() > root->size() && path.compare(0, root->size(), *root) == 0) {
      shown = path.substr(root->size());
      break;
    }
  }
  return platform::Win1250ToUtf8(shown);
}

}  // namespace velmora::cli::check
