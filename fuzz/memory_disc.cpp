#include "fuzz/memory_disc.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace velmora::fuzz {

namespace fs = std::filesystem;

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool WildcardMatches(std::string_view pattern, std::string_view name) {
  // Iterative match with one backtrack point for the last '*'.
  std::size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<platform::DirEntry> MemoryFileSystem::List(const std::string& pattern) {
  const std::size_t slash = pattern.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "" : pattern.substr(0, slash + 1);
  const std::string wildcard = pattern.substr(dir.size());
  std::vector<platform::DirEntry> entries;
  std::string lastDirectory;
  for (auto it = files.lower_bound(dir); it != files.end(); ++it) {
    const std::string& path = it->first;
    if (path.compare(0, dir.size(), dir) != 0) break;
    const std::string rest = path.substr(dir.size());
    const std::size_t inner = rest.find('/');
    const std::string name = inner == std::string::npos ? rest : rest.substr(0, inner);
    if (name.empty() || !WildcardMatches(wildcard, name)) continue;
    if (inner == std::string::npos) {
      entries.push_back({name, false, true});
    } else if (name != lastDirectory) {
      lastDirectory = name;
      entries.push_back({name, true, false});
    }
  }
  for (const std::string& directory : directories) {
    if (directory.size() <= dir.size() || directory.compare(0, dir.size(), dir) != 0) continue;
    const std::string name = directory.substr(dir.size());
    if (name.find('/') != std::string::npos || !WildcardMatches(wildcard, name)) continue;
    bool listed = false;
    for (const platform::DirEntry& entry : entries) listed = listed || entry.name == name;
    if (!listed) entries.push_back({name, true, false});
  }
  return entries;
}

namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

bool MemoryFileSystem::CreateDirectories(const std::string& path) {
  directories.insert(WithoutTrailingSlash(path));
  return true;
}

bool MemoryFileSystem::RemoveDirectory(const std::string& path) {
  return directories.erase(WithoutTrailingSlash(path)) > 0;
}

void LoadHostDirectory(const std::string& hostRoot, const std::string& root,
                       MemoryFileSystem& files) {
  for (const auto& entry : fs::recursive_directory_iterator(hostRoot)) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = fs::relative(entry.path(), hostRoot).generic_string();
    if (relative.rfind("tools/", 0) == 0) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files.files[root + relative] =
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
}

std::vector<std::string> SplitFields(const std::uint8_t* data, std::size_t size,
                                     std::size_t count) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view separator("\0\0", 2);
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() + 1 < count) {
    const std::size_t end = input.find(separator, start);
    if (end == std::string_view::npos) break;
    fields.emplace_back(input.substr(start, end - start));
    start = end + separator.size();
  }
  fields.emplace_back(input.substr(std::min(start, input.size())));
  fields.resize(count);
  return fields;
}

void PutMinimalDisc(MemoryFileSystem& files) {
  for (const char* table : {"RP.CSV", "PK.CSV", "OCHK.CSV", "FOTO.CSV", "ECONET.CSV", "TRANSL.CSV",
                            "DICT.CSV", "BIOTOP.CSV", "SLIDE.CSV"}) {
    files.files[std::string("/disc/DB/") + table] = "";
  }
  std::string menus;
  for (int line = 0; line < 82; ++line) menus += "menu" + std::to_string(line) + ";\r\n";
  files.files["/disc/DB/MENU.CSV"] = menus;
  files.files["/disc/DB/DRZEWO1.CSV"] = "";
  files.files["/disc/Anim/start.exe"] = "";
}

}  // namespace velmora::fuzz
