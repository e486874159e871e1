#pragma once
// Shared helpers of the core tests: private temporary directories, a minimal
// disc, and running velmora-cli.

#include <optional>
#include <string>
#include <vector>

namespace velmora::test {

// A fresh directory, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Without a trailing '/'.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

 private:
  std::string path_;
};

// Sets or clears an environment variable for the length of a test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Writes bytes to path, creating parent directories.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
void MakeExecutable(const std::string& path);

// The smallest disc the viewer starts on: the nine tables with one row, the
// menu and tree files, the start menu's template, the start page and an
// executable Anim/start.exe.
void MakeMinimalDisc(const std::string& root);
// A copy of a disc as a CD-ROM mounts it: every name in capitals, nothing
// writable, only the programs (".exe") executable. The demo disc's own notes
// ("tools", "README.md") stay behind.
void CopyDiscAsMounted(const std::string& from, const std::string& to);

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
  std::vector<std::string> lines;  // out split at line ends
};

// Runs velmora-cli with the arguments; input is fed to its standard input.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {});
// Runs velmora-cli in dir, with HOME set to home and no XDG variables.
CliResult RunCliInHome(const std::string& dir, const std::string& home,
                       const std::vector<std::string>& args);

// The path of a system program (/usr/bin, /bin, /usr/local/bin), or empty.
std::string FindTool(const std::string& name);
// Runs a command with its output thrown away; whether it succeeded.
bool RunQuietly(const std::vector<std::string>& command);
// Every entry below root, relative to it.
std::vector<std::string> TreeOf(const std::string& root);

// Lines of a trace that contain every one of the fragments.
std::vector<std::string> Grep(const std::vector<std::string>& lines,
                              const std::vector<std::string>& fragments);

// A script line that marks where the part a test looks at begins ("set"
// has no effect on the program but is traced).
inline constexpr const char* kTraceMarker = "set Marker x\n";
// The lines of a trace after the first "set" event.
std::vector<std::string> LinesAfterMarker(const std::vector<std::string>& lines);

}  // namespace velmora::test
