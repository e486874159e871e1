// A long session over the demo disc: a generated script (fixed seed) of
// every handler and of links taken from the disc's own pages, replayed by
// velmora-cli. No crash, only the program's own messages, memory flat after
// warm-up, and shut-down leaves the temporary-files path as it found it.
// VELMORA_LONG_SESSION_EVENTS sets the length (10,000 by default).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/application.h"
#include "recording/recording_platform.h"
#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> LinksIn(const fs::path& directory, const std::string& glob) {
  const std::regex href("href=\"([^\"]+)\"", std::regex::icase);
  std::set<std::string> links;
  for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
    const std::string name = entry.path().filename().string();
    if (name.find(glob) == std::string::npos) continue;
    const std::string text = ReadFile(entry.path());
    for (std::sregex_iterator it(text.begin(), text.end(), href), end; it != end; ++it) {
      links.insert((*it)[1]);
    }
  }
  return {links.begin(), links.end()};
}

// Every handler the program registers, by "Window.Handler", as the replay
// tool will find them.
std::vector<std::string> HandlerNames() {
  TempDir temp;
  const fs::path previous = fs::current_path();
  fs::current_path(VELMORA_SAMPLE_CONTENT);
  std::ostringstream trace;
  recording::RecordingPlatform recording(trace, {temp.path() + "/", std::nullopt});
  std::vector<std::string> names;
  app::RunProgram(recording.platform(), [&](app::Application& application) {
    for (const auto& [name, handler] : application.Handlers()) names.push_back(name);
  });
  fs::current_path(previous);
  return names;
}

class ScriptGenerator {
 public:
  ScriptGenerator()
      : pageLinks_(LinksIn(std::string(VELMORA_SAMPLE_CONTENT) + "/Data", ".htm")),
        menuLinks_(LinksIn(std::string(VELMORA_SAMPLE_CONTENT) + "/Makiety", "menu_")) {
    for (const std::string& name : HandlerNames()) {
      // Closing the main window ends the session; that comes last.
      if (name == "MainForm.LMDSpeedButton30Click" || name == "MainForm.FormClose") continue;
      handlers_.push_back(name);
    }
  }

  std::string Script(int events) {
    std::mt19937 random(13);
    std::ostringstream script;
    const std::string data = std::string(VELMORA_SAMPLE_CONTENT) + "/Data/";
    const char* const words[] = {"park", "bobr", "las", "\xB3\xB9ka", "torfowisko", "zzz", "a"};
    for (int event = 0; event < events; ++event) {
      const unsigned pick = random() % 100;
      if (pick < 40) {
        script << "MainWebBrowserBeforeNavigate2 " << Address(data, Pick(pageLinks_, random))
               << "\n";
      } else if (pick < 50) {
        script << "MenuWebBrowserBeforeNavigate2 " << Address(data, Pick(menuLinks_, random))
               << "\n";
      } else if (pick < 54) {
        script << "set Szukaj " << words[random() % std::size(words)] << "\n"
               << (random() % 2 ? "Button22Click\n" : "SzukajKeyPress enter\n");
      } else if (pick < 58) {
        const char* const windows[] = {"SlideForm", "MovieForm", "DictionaryBalloon",
                                       "LocationBalloon"};
        script << windows[random() % std::size(windows)] << ".Close\n";
      } else {
        const std::string& handler = Pick(handlers_, random);
        script << handler << " " << random() % 240 << "\n";
      }
    }
    script << "LMDSpeedButton30Click\n";
    return script.str();
  }

 private:
  static const std::string& Pick(const std::vector<std::string>& from, std::mt19937& random) {
    return from[random() % from.size()];
  }

  // Links to the disc's pages arrive as the browser resolves them.
  static std::string Address(const std::string& data, const std::string& link) {
    if (link.find(':') != std::string::npos) return link;
    if (link[0] == '#') return data + "750.htm" + link;
    return data + link;
  }

  std::vector<std::string> pageLinks_;
  std::vector<std::string> menuLinks_;
  std::vector<std::string> handlers_;
};

std::map<std::string, std::string> Listing(const fs::path& root) {
  std::map<std::string, std::string> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = entry.path().lexically_relative(root).string();
    if (name.ends_with("VNQETMP.lock")) continue;  // shared by viewers, stays by design
    entries[name] = entry.is_directory() ? "dir" : ReadFile(entry.path());
  }
  return entries;
}

struct SessionRun {
  CliResult result;
  long peakKilobytes = 0;
};

// Runs the script in a child of its own and reads the child's peak memory.
SessionRun RunSession(const std::string& temp, const std::string& script, int probeEvery) {
  TempDir io;
  WriteFile(io / "script", script);
  // For runs by hand (profilers, /usr/bin/time): where to keep the script.
  if (const char* keep = std::getenv("VELMORA_LONG_SESSION_KEEP")) WriteFile(keep, script);
  const pid_t child = fork();
  if (child == 0) {
    const std::string out = io / "out";
    if (!freopen(out.c_str(), "w", stdout)) _exit(126);
    setenv("VELMORA_MEMORY_PROBE", std::to_string(probeEvery).c_str(), 1);
    execl(VELMORA_CLI, VELMORA_CLI, "replay", "--content", VELMORA_SAMPLE_CONTENT, "--temp",
          temp.c_str(), (io / "script").c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  SessionRun run;
  run.result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.result.out = ReadFile(io / "out");
  std::istringstream lines(run.result.out);
  for (std::string line; std::getline(lines, line);) run.result.lines.push_back(line);
  run.peakKilobytes = usage.ru_maxrss;
  return run;
}

long long Field(const std::string& line, const std::string& name) {
  const std::size_t at = line.find("\"" + name + "\":");
  return at == std::string::npos ? -1 : std::atoll(line.c_str() + at + name.size() + 3);
}

int SessionLength() {
  const char* length = std::getenv("VELMORA_LONG_SESSION_EVENTS");
  return length ? std::atoi(length) : 10000;
}

// The messages the program itself shows on the demo disc, by text.
bool IsProgramMessage(const std::string& line) {
  for (const char* text :
       {"\"text\":\"Brak pliku", "\"text\":\"Nieznany link", "d uruchamiania",
        "\"text\":\"Nie wprowadzono tekstu", "\"text\":\"Nie mo\xC5\xBCna odtworzy\xC4\x87 filmu",
        "\"text\":\"Nie zdefiniowano poprawnie slajdu"}) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

TEST(LongSession, generatedSession_runsToTheEndWithFlatMemoryAndCleansUp) {
  ScriptGenerator generator;
  const int events = SessionLength();
  TempDir temp;
  WriteFile(temp / "someone-elses.txt", "kept");
  const auto before = Listing(temp.path());

  const SessionRun run = RunSession(temp.path(), generator.Script(events), events / 10);
  ASSERT_EQ(run.result.status, 0) << run.result.out.substr(run.result.out.size() - 2000);

  EXPECT_EQ(Grep(run.result.lines, {"\"call\":\"Terminate\""}).size(), 1u);
  std::map<std::string, int> unexpected;
  for (const std::string& line : Grep(run.result.lines, {"\"call\":\"MessageBox\""})) {
    if (!IsProgramMessage(line)) ++unexpected[line];
  }
  for (const auto& [line, count] : unexpected) ADD_FAILURE() << count << "x " << line;
  EXPECT_TRUE(Grep(run.result.lines, {"\"error\":"}).empty());

  // Memory, probed every tenth of the session (the whole script is held from
  // the start): after the first fifth, the heap in use stays where it was.
  const auto probes = Grep(run.result.lines, {"\"event\":\"MemoryProbe\""});
  ASSERT_GE(probes.size(), 8u);
  const long long warmHeap = Field(probes[1], "heapInUse");
  const long long lastHeap = Field(probes.back(), "heapInUse");
  std::cout << events << " events: heap in use " << warmHeap << " bytes after " << events / 5
            << ", " << lastHeap << " at the end; resident " << Field(probes[1], "residentKb")
            << " kB then " << Field(probes.back(), "residentKb") << " kB; peak "
            << run.peakKilobytes << " kB\n";
  EXPECT_LT(lastHeap, warmHeap + 1024 * 1024);

  EXPECT_EQ(Listing(temp.path()), before);
}

}  // namespace
}  // namespace velmora::test
