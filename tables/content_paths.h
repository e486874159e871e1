#pragma once
// Where the content lies. Every directory path ends in '/', set once at
// start-up and never changed afterwards.

#include <string>

namespace velmora::tables {

struct ContentPaths {
  std::string contentRoot;  // the disc: cdPath, or the current directory
  std::string installRoot;  // instPath, or the content root
  std::string animDir;      // content root + "Anim/": start.exe, fin.exe, ?anim programs
  std::string mapDir;       // content root + "Map/"
  std::string photoDir;     // install root + "Foto/"
  std::string templateDir;  // install root + "Makiety/"
  std::string tableDir;     // install root + "DB/"
  std::string dataDir;      // install root + "Data/"
  std::string workDir;      // the program's working directory

  void DeriveDirectories() {
    animDir = contentRoot + "Anim/";
    mapDir = contentRoot + "Map/";
    photoDir = installRoot + "Foto/";
    templateDir = installRoot + "Makiety/";
    tableDir = installRoot + "DB/";
    dataDir = installRoot + "Data/";
  }
};

}  // namespace velmora::tables
