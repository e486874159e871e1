#pragma once
// The viewer's command line: velmora [OPTIONS] [DISC].

#include <optional>
#include <string>
#include <vector>

namespace velmora::platform::qt {

struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kWrongUsage };
  Action action = Action::kRun;
  // A disc folder, a mounted disc or a disc image, as given (the system's
  // encoding); for this run only.
  std::optional<std::string> disc;
  bool verbose = false;
  // The Qt toolkit's own options (-platform offscreen, -style Fusion, ...),
  // in order, for the application object.
  std::vector<std::string> toolkit;
  std::string error;  // with kWrongUsage
};

// arguments without the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// For --help, --version and wrong usage: writes the answer to the standard
// output or error and returns the status to end with; nullopt to run.
std::optional<int> AnswerWithoutStarting(const CommandLine& line);

// The usage text, UTF-8, ending in a new line.
std::string UsageText();
// "velmora VERSION".
std::string VersionText();

}  // namespace velmora::platform::qt
