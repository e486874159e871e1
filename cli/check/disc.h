#pragma once
// The disc as the viewer loads it: content and installation roots from the
// settings key or the current directory, the nine tables (slide pictures
// resolved), the menu definition and the contents tree. File names are
// matched without regard to letter case, as the viewer does.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/native_file_system.h"
#include "platform/system.h"
#include "tables/content_paths.h"
#include "tables/contents_tree.h"
#include "tables/menu_definition.h"
#include "tables/table.h"

namespace velmora::cli::check {

struct TableFile {
  std::string fileName;  // as the viewer names it: "RP.CSV"
  std::string tableName;
  int declaredColumns = 0;
  std::optional<std::string> bytes;  // nullopt: the file cannot be read
  tables::Table table;
};

class Disc {
 public:
  // key: the settings key when one exists; currentDir: where the viewer runs
  // (used without a key), a core path without trailing '/'.
  Disc(const std::optional<platform::ContentKey>& key, const std::string& currentDir);
  Disc(const Disc&) = delete;
  Disc& operator=(const Disc&) = delete;

  const tables::ContentPaths& paths() const { return paths_; }
  bool keyGiven() const { return keyGiven_; }

  // Existence of a plain file, remembered per path.
  bool Exists(const std::string& path);
  std::optional<std::string> Read(const std::string& path) { return files_.ReadFile(path); }
  // Plain files of a directory whose names match the wildcard, sorted.
  std::vector<std::string> ListFiles(const std::string& dir, const std::string& wildcard);
  std::vector<std::string> ListDirectories(const std::string& dir);

  const std::vector<TableFile>& tableFiles() const { return tables_; }
  const tables::Table& table(std::string_view fileName) const;
  // The cell in column nrKol (from 1) of the first row whose first cell is
  // key, or nullptr when no row has that key (or the key is empty).
  std::optional<std::string> Lookup(std::string_view fileName, const std::string& key,
                                    int nrKol) const;

  const std::optional<std::string>& menuBytes() const { return menuBytes_; }
  const std::optional<std::string>& treeBytes() const { return treeBytes_; }
  const tables::MenuNames& typMenu() const { return typMenu_; }
  const tables::MenuPageMap& plikMenu() const { return plikMenu_; }
  const tables::TreePages& daneDrzewa() const { return daneDrzewa_; }
  const tables::TreePagesReadResult& treeResult() const { return treeResult_; }

  // The pages of the data directory that show each menu, by the menu's line
  // in MENU.CSV (from 0): their names as the menu panel derives them (before
  // ".htm", lower case, a sharing letter dropped).
  const std::map<int, std::vector<std::string>>& PagesByMenuLine();

  // A path for messages, UTF-8: relative to the installation or content
  // root when inside one of them.
  std::string Display(const std::string& path) const;

 private:
  void ResolveSlidePictures();

  platform::NativeFileSystem files_;
  tables::ContentPaths paths_;
  bool keyGiven_ = false;
  std::map<std::string, bool> exists_;
  std::vector<TableFile> tables_;
  std::optional<std::string> menuBytes_;
  std::optional<std::string> treeBytes_;
  tables::MenuNames typMenu_{};
  tables::MenuPageMap plikMenu_{};
  tables::TreePages daneDrzewa_{};
  tables::TreePagesReadResult treeResult_;
  std::optional<std::map<int, std::vector<std::string>>> pagesByMenuLine_;
};

}  // namespace velmora::cli::check
