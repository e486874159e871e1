#pragma once
// A throw-away directory tree for tests: a content root the viewer can start
// from (start.exe, the nine tables, the support files) and a separate
// temporary-files directory. Removed again when it goes out of scope.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace velmora::test {

class ContentTree {
 public:
  ContentTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    std::filesystem::create_directories(root_ / "cd");
    std::filesystem::create_directories(root_ / "tmp");
    Write("cd/Anim/start.exe", "");
    Write("cd/Anim/fin.exe", "");
    for (const char* table : {"RP.CSV", "PK.CSV", "OCHK.CSV", "FOTO.CSV", "ECONET.CSV",
                              "TRANSL.CSV", "DICT.CSV", "BIOTOP.CSV", "SLIDE.CSV"}) {
      Write(std::string("cd/DB/") + table, "");
    }
    // A full menu definition (82 lines) and an empty page map read silently.
    std::string menus;
    for (int line = 0; line < 82; ++line) menus += "menu" + std::to_string(line) + ";\r\n";
    Write("cd/DB/MENU.CSV", menus);
    Write("cd/DB/DRZEWO1.CSV", "");
    for (const char* name : {"f.jpg", "arrow.gif", "wstecz.gif", "econet_fr.html", "blankb.htm"}) {
      Write(std::string("cd/Makiety/") + name, std::string("template ") + name);
    }
    for (const char* name : {"lock.vnq", "styledb.css", "bgr.jpg", "pics/pk.jpg", "pics/pn.jpg"}) {
      Write(std::string("cd/Data/") + name, std::string("data ") + name);
    }
  }
  ~ContentTree() {
    std::error_code ec;
    // Tests may leave read-only or foreign-owned entries; make them removable.
    for (auto it = std::filesystem::recursive_directory_iterator(root_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (!it->is_symlink()) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
      }
    }
    std::filesystem::remove_all(root_, ec);
  }
  ContentTree(const ContentTree&) = delete;
  ContentTree& operator=(const ContentTree&) = delete;

  // Paths as the core writes them: '/'-separated, directories ending in '/'.
  std::string ContentRoot() const { return (root_ / "cd").string() + "/"; }
  std::string TempPath() const { return (root_ / "tmp").string() + "/"; }
  std::filesystem::path Root() const { return root_; }
  std::filesystem::path Path(const std::string& relative) const { return root_ / relative; }

  void Write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool Exists(const std::string& relative) const {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(root_ / relative, ec));
  }

 private:
  std::filesystem::path root_;
};

}  // namespace velmora::test
