#pragma once
// Helpers shared by the fuzz targets: an in-memory disc (so that no input can
// reach the real file system), loading the demo disc into it, and splitting
// one fuzz input into several fields.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/fake_platform.h"

namespace velmora::fuzz {

// The fake file system with directory listing: "dir/*.htm" lists the names
// directly under dir that match the wildcard, ignoring letter case.
class MemoryFileSystem : public test::FakeFileSystem {
 public:
  std::vector<platform::DirEntry> List(const std::string& pattern) override;
  bool CreateDirectories(const std::string& path) override;
  bool RemoveDirectory(const std::string& path) override;

  // Created directories, without the trailing '/'.
  std::set<std::string> directories;
};

// Wildcard match ('*' and '?'), ignoring ASCII letter case.
bool WildcardMatches(std::string_view pattern, std::string_view name);

// Copies every file below hostRoot into files under root ("/disc/"),
// skipping the disc's build tools.
void LoadHostDirectory(const std::string& hostRoot, const std::string& root,
                       MemoryFileSystem& files);

// Fields of one input, separated by two NUL bytes; missing fields are empty.
std::vector<std::string> SplitFields(const std::uint8_t* data, std::size_t size, std::size_t count);

// What the harnesses hand to the start-up: a platform over memory.
struct MemoryPlatform {
  test::FakeUi ui;
  test::FakeBrowsers browsers;
  MemoryFileSystem files;
  test::FakeProcesses processes;
  test::FakeShell shell;
  test::FakeSettings settings;
  test::FakeClock clock;
  platform::Platform platform{ui, browsers, files, processes, shell, settings, clock};
};

// The smallest disc the main window starts on, under "/disc/": empty
// tables, a full menu definition, no tree pages.
void PutMinimalDisc(MemoryFileSystem& files);

}  // namespace velmora::fuzz
