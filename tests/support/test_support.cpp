#include "test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace velmora::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "velmora-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  // Tests may leave read-only files or directories behind.
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(path_, ec);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) { return fs::exists(fs::symlink_status(path)); }

void MakeExecutable(const std::string& path) {
  fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add);
}

void MakeMinimalDisc(const std::string& root) {
  const char* tables[] = {"RP.CSV",     "PK.CSV",   "OCHK.CSV",   "FOTO.CSV", "ECONET.CSV",
                          "TRANSL.CSV", "DICT.CSV", "BIOTOP.CSV", "SLIDE.CSV"};
  for (const char* table : tables) WriteFile(root + "/DB/" + table, "1;a;b\r\n");
  // A full menu definition (82 lines) reads without a message.
  std::string menus = "start;799;\r\n";
  for (int line = 1; line < 82; ++line) menus += "menu" + std::to_string(line) + ";\r\n";
  WriteFile(root + "/DB/MENU.CSV", menus);
  WriteFile(root + "/Makiety/menu_start.htm",
            "<html><body><a href=\"http://db?pg.htm\">Start</a></body></html>\r\n");
  WriteFile(root + "/DB/DRZEWO1.CSV", "1;799\r\n");
  WriteFile(root + "/Data/799.htm",
            "<html><head><title>temat: Start</title></head><body>Start</body></html>\r\n");
  WriteFile(root + "/Makiety/title.html", "<html><body><b><!--@opis@--></b></body></html>\r\n");
  WriteFile(root + "/Anim/start.exe", "#!/bin/sh\nexit 0\n");
  MakeExecutable(root + "/Anim/start.exe");
  WriteFile(root + "/Anim/fin.exe", "#!/bin/sh\nexit 0\n");
  MakeExecutable(root + "/Anim/fin.exe");
}

namespace {

std::string QuoteForShell(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

ScopedEnv::ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  if (value) {
    ::setenv(name, value->c_str(), 1);
  } else {
    ::unsetenv(name);
  }
}

ScopedEnv::~ScopedEnv() {
  if (old_) {
    ::setenv(name_, old_->c_str(), 1);
  } else {
    ::unsetenv(name_);
  }
}

namespace {

// Runs a shell command whose output goes to io's "out" and "err".
CliResult RunCapturing(const std::string& command, const TempDir& io) {
  CliResult result;
  const int raw = std::system(command.c_str());
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadFile(io / "out");
  result.err = ReadFile(io / "err");
  result.lines = SplitLines(result.out);
  return result;
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& input) {
  TempDir io;
  WriteFile(io / "in", input);
  std::string command = QuoteForShell(VELMORA_CLI);
  for (const std::string& arg : args) command += " " + QuoteForShell(arg);
  command += " <" + QuoteForShell(io / "in") + " >" + QuoteForShell(io / "out") + " 2>" +
             QuoteForShell(io / "err");
  return RunCapturing(command, io);
}

CliResult RunCliInHome(const std::string& dir, const std::string& home,
                       const std::vector<std::string>& args) {
  TempDir io;
  std::string command = "cd " + QuoteForShell(dir) +
                        " && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME=" + QuoteForShell(home) +
                        " " + QuoteForShell(VELMORA_CLI);
  for (const std::string& arg : args) command += " " + QuoteForShell(arg);
  command += " </dev/null >" + QuoteForShell(io / "out") + " 2>" + QuoteForShell(io / "err");
  return RunCapturing(command, io);
}

std::vector<std::string> Grep(const std::vector<std::string>& lines,
                              const std::vector<std::string>& fragments) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    bool all = true;
    for (const std::string& fragment : fragments) {
      if (line.find(fragment) == std::string::npos) {
        all = false;
        break;
      }
    }
    if (all) found.push_back(line);
  }
  return found;
}

std::vector<std::string> LinesAfterMarker(const std::vector<std::string>& lines) {
  std::vector<std::string> after;
  bool started = false;
  for (const std::string& line : lines) {
    if (started) after.push_back(line);
    if (line.find("\"event\":\"set\"") != std::string::npos) started = true;
  }
  return after;
}

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void CopyDiscAsMounted(const std::string& from, const std::string& to) {
  namespace fs = std::filesystem;
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::create_directories(to);
  for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
    const std::string name = entry.path().filename().string();
    if (name == "tools" || name == "README.md") continue;
    const fs::path target = fs::path(to) / Upper(name);
    if (entry.is_directory()) {
      CopyDiscAsMounted(entry.path().string(), target.string());
      continue;
    }
    fs::copy_file(entry.path(), target);
    fs::permissions(target, fs::perms::all & ~kWrite & ~fs::perms::owner_exec);
    if (name.size() > 4 && name.substr(name.size() - 4) == ".exe") {
      fs::permissions(target, fs::perms::owner_exec, fs::perm_options::add);
    }
  }
  fs::permissions(to, kWrite, fs::perm_options::remove);
}

std::string FindTool(const std::string& name) {
  for (const char* dir : {"/usr/bin", "/bin", "/usr/local/bin"}) {
    const std::string path = std::string(dir) + "/" + name;
    if (std::filesystem::exists(path)) return path;
  }
  return {};
}

bool RunQuietly(const std::vector<std::string>& command) {
  std::string line;
  for (const std::string& part : command) line += "'" + part + "' ";
  return std::system((line + ">/dev/null 2>&1").c_str()) == 0;
}

std::vector<std::string> TreeOf(const std::string& root) {
  std::vector<std::string> entries;
  std::error_code ec;
  for (std::filesystem::recursive_directory_iterator it(root, ec), end; !ec && it != end;
       it.increment(ec)) {
    entries.push_back(it->path().lexically_relative(root).string());
  }
  return entries;
}

}  // namespace velmora::test
