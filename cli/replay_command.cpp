#include "cli/replay_command.h"

#include <malloc.h>

// Under AddressSanitizer the heap is its own; its runtime says what is in use.
#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_ASAN_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_ASAN_HEAP 1
#endif
#endif
#ifdef VELMORA_ASAN_HEAP
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>

#include "app/application.h"
#include "cli/private_temp_dir.h"
#include "cli/script.h"
#include "platform/handlers.h"
#include "recording/recording_platform.h"

namespace velmora::cli {

namespace fs = std::filesystem;

namespace {

struct ReplayArgs {
  std::optional<std::string> content;
  std::optional<std::string> temp;
  std::optional<std::string> settings;
  std::optional<std::string> script;
};

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ParseArgs(const std::vector<std::string>& args, ReplayArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::optional<std::string>& slot) {
      if (i + 1 >= args.size()) {
        err << "velmora-cli replay: " << arg << " needs a value\n";
        return false;
      }
      slot = args[++i];
      return true;
    };
    if (arg == "--content") {
      if (!value(parsed.content)) return false;
    } else if (arg == "--temp") {
      if (!value(parsed.temp)) return false;
    } else if (arg == "--settings") {
      if (!value(parsed.settings)) return false;
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      err << "velmora-cli replay: unknown option " << arg << "\n";
      return false;
    } else if (!parsed.script) {
      parsed.script = arg;
    } else {
      err << "velmora-cli replay: more than one script given\n";
      return false;
    }
  }
  return true;
}

// Drives the started program from the script's lines.
class ScriptRunner {
 public:
  ScriptRunner(recording::RecordingPlatform& recording, platform::HandlerTable handlers,
               std::vector<ScriptLine> lines)
      : recording_(recording), handlers_(std::move(handlers)), lines_(std::move(lines)) {
    recording_.ui().onModal = [this](const std::string& window) { RunModal(window); };
    recording_.onBusyPump = [this] {
      while (next_ < lines_.size() && lines_[next_].whileBusy && !recording_.ui().terminated()) {
        RunLine(lines_[next_++]);
      }
    };
    // Closing a window runs its close event; the main window's ends the program.
    recording_.ui().onClose = [this](const std::string& window) {
      const auto close = handlers_.find(window + ".FormClose");
      if (close != handlers_.end()) close->second("");
      openModals_.erase(window);
      recording_.ui().HideWindow(window);
      if (window == platform::names::kMainForm) recording_.ui().Terminate();
    };
  }

  void RunAll() {
    recording_.RunUntilIdle();
    while (next_ < lines_.size() && !recording_.ui().terminated()) {
      RunLine(lines_[next_++]);
      if (probeEvery_ > 0 && next_ >= nextProbe_) {
        ProbeMemory();
        nextProbe_ = next_ + probeEvery_;
      }
    }
  }

  bool failed() const { return failed_; }

 private:
  // A modal window keeps the script to itself until it is closed.
  void RunModal(const std::string& window) {
    openModals_.insert(window);
    while (openModals_.count(window) && next_ < lines_.size() && !recording_.ui().terminated()) {
      RunLine(lines_[next_++]);
    }
    openModals_.erase(window);
  }

  void RunLine(const ScriptLine& line) {
    recording::Trace& trace = recording_.trace();
    if (line.isSet) {
      trace.Event("set", {{"control", line.handler}, {"value", line.argument}});
      recording_.ui().TypeText(line.handler, line.argument);
    } else if (line.handler == "Close") {
      trace.Event("Close", {{"window", line.window}});
      openModals_.erase(line.window);
      recording_.ui().HideWindow(line.window);
    } else if (!RaiseBrowserEvent(line) && !SimulateMedia(line)) {
      const auto it = handlers_.find(platform::HandlerName(line.window, line.handler));
      if (it == handlers_.end()) {
        trace.Error("unknown handler", {{"window", line.window},
                                        {"handler", line.handler},
                                        {"line", static_cast<long long>(line.number)}});
        failed_ = true;
      } else {
        recording::TraceFields fields{{"window", line.window}};
        if (!line.argument.empty()) fields.emplace_back("argument", line.argument);
        trace.Event(line.handler, fields);
        it->second(line.argument);
      }
    }
    recording_.RunUntilIdle();
  }

  // "<browser><Event> argument" lines act on the recording browser itself.
  bool RaiseBrowserEvent(const ScriptLine& line) {
    static const char* const kEvents[] = {"BeforeNavigate2", "TitleChange", "DownloadComplete",
                                          "CommandStateChange"};
    for (const char* event : kEvents) {
      const std::string suffix = event;
      if (line.handler.size() <= suffix.size() ||
          line.handler.compare(line.handler.size() - suffix.size(), suffix.size(), suffix) != 0) {
        continue;
      }
      std::string control = line.handler.substr(0, line.handler.size() - suffix.size());
      if (line.window != platform::names::kMainForm) control = line.window + "." + control;
      recording::RecordingBrowser* browser = recording_.browsers().Find(control);
      if (!browser) return false;
      if (suffix == "BeforeNavigate2") {
        browser->UserNavigate(line.argument);
      } else if (suffix == "TitleChange") {
        browser->RaiseTitleChange(line.argument);
      } else if (suffix == "DownloadComplete") {
        browser->RaiseDownloadComplete();
      } else {
        std::istringstream in(line.argument);
        int command = 0;
        std::string enable;
        in >> command >> enable;
        browser->RaiseCommandStateChange(command, enable == "true" || enable == "1");
      }
      return true;
    }
    return false;
  }

  // "<Window>.MediaSetLength N", "MediaSetPosition N" and "MediaFinish" act
  // on the window's recording media player ("MovieForm.MediaPlayer1").
  bool SimulateMedia(const ScriptLine& line) {
    if (line.handler != "MediaSetLength" && line.handler != "MediaSetPosition" &&
        line.handler != "MediaFinish") {
      return false;
    }
    recording::RecordingMediaPlayer* player =
        recording_.players().Find(line.window + ".MediaPlayer1");
    if (!player) return false;
    recording::TraceFields fields{{"window", line.window}};
    if (!line.argument.empty()) fields.emplace_back("argument", line.argument);
    recording_.trace().Event(line.handler, fields);
    long long value = 0;
    std::istringstream(line.argument) >> value;
    if (line.handler == "MediaSetLength") {
      player->SimulateLength(value);
    } else if (line.handler == "MediaSetPosition") {
      player->SimulatePosition(value);
    } else {
      player->SimulateFinish();
    }
    return true;
  }

  // Long-session tests: with VELMORA_MEMORY_PROBE=N, every N script lines
  // the trace gets the heap in use and the resident size.
  static std::size_t ProbeInterval() {
    const char* every = std::getenv("VELMORA_MEMORY_PROBE");
    return every ? static_cast<std::size_t>(std::strtoul(every, nullptr, 10)) : 0;
  }

  void ProbeMemory() {
    long long residentKb = 0;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("VmRSS:", 0) == 0) residentKb = std::atoll(line.c_str() + 6);
    }
#ifdef VELMORA_ASAN_HEAP
    const auto heapInUse = static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    const auto heapInUse = static_cast<long long>(mallinfo2().uordblks);
#endif
    recording_.trace().Event("MemoryProbe", {{"line", static_cast<long long>(next_)},
                                             {"heapInUse", heapInUse},
                                             {"residentKb", residentKb}});
  }

  const std::size_t probeEvery_ = ProbeInterval();
  std::size_t nextProbe_ = probeEvery_;
  recording::RecordingPlatform& recording_;
  platform::HandlerTable handlers_;
  std::vector<ScriptLine> lines_;
  std::size_t next_ = 0;
  std::set<std::string> openModals_;
  bool failed_ = false;
};

}  // namespace

int RunReplayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ReplayArgs parsed;
  if (!ParseArgs(args, parsed, err)) return 2;

  std::string scriptText;
  if (parsed.script && *parsed.script != "-") {
    std::optional<std::string> text = ReadWholeFile(*parsed.script);
    if (!text) {
      err << "velmora-cli replay: cannot read script " << *parsed.script << "\n";
      return 2;
    }
    scriptText = std::move(*text);
  } else {
    scriptText.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  }

  std::optional<std::string> settingsText;
  if (parsed.settings) {
    settingsText = ReadWholeFile(*parsed.settings);  // a missing file is an absent key
  }

  if (parsed.content) {
    std::error_code ec;
    fs::current_path(*parsed.content, ec);
    if (ec) {
      err << "velmora-cli replay: cannot enter content directory " << *parsed.content << "\n";
      return 2;
    }
  }

  PrivateTempDir ownTemp;
  std::string tempPath = parsed.temp ? fs::absolute(*parsed.temp).string() : ownTemp.path();
  if (tempPath.empty()) {
    err << "velmora-cli replay: cannot create a temporary directory\n";
    return 2;
  }

  recording::RecordingPlatform recording(out, {tempPath, settingsText});
  bool scriptFailed = false;
  const int status = app::RunProgram(recording.platform(), [&](app::Application& application) {
    ScriptRunner runner(recording, application.Handlers(), ParseScript(scriptText));
    runner.RunAll();
    scriptFailed = runner.failed();
  });
  if (status != 0) return status;
  return scriptFailed ? 1 : 0;
}

}  // namespace velmora::cli
