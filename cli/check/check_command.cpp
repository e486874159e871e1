#include "cli/check/check_command.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "cli/check/checks.h"
#include "cli/command_help.h"
#include "cli/progress.h"
#include "platform/codepage.h"
#include "recording/recording_system.h"

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

struct CheckArgs {
  std::optional<std::string> content;
  std::optional<std::string> settings;
  bool json = false;
  bool quiet = false;  // no progress line
};

bool ParseArgs(const std::vector<std::string>& args, CheckArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json") {
      parsed.json = true;
    } else if (arg == "--quiet") {
      parsed.quiet = true;
    } else if (arg == "--content" || arg == "--settings") {
      if (i + 1 >= args.size()) {
        err << "velmora-cli check: " << arg << " needs a value\n" << *CommandUsage("check");
        return false;
      }
      (arg == "--content" ? parsed.content : parsed.settings) = args[++i];
    } else {
      err << "velmora-cli check: unexpected argument: " << arg << "\n" << *CommandUsage("check");
      return false;
    }
  }
  return true;
}

// A native path as the core writes paths: Windows-1250, '/' separators.
std::string CorePath(const fs::path& native) {
  const std::u8string u8 = native.generic_u8string();
  return platform::Utf8ToWin1250(std::string(u8.begin(), u8.end()));
}

}  // namespace

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CheckArgs parsed;
  if (!ParseArgs(args, parsed, err)) return 2;

  std::optional<platform::ContentKey> key;
  if (parsed.settings) {
    std::ifstream in(*parsed.settings, std::ios::binary);
    if (!in) {
      err << "velmora-cli check: cannot read settings file " << *parsed.settings << "\n";
      return 2;
    }
    key = recording::ParseContentKeyIni(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  }
  std::error_code ec;
  const fs::path current =
      parsed.content ? fs::absolute(*parsed.content, ec) : fs::current_path(ec);
  if (ec || (parsed.content && !fs::is_directory(current, ec))) {
    err << "velmora-cli check: no such directory: " << parsed.content.value_or(".") << "\n";
    return 2;
  }

  check::Disc disc(key, CorePath(current.lexically_normal()));
  check::Findings findings;
  // A large disc takes a while in the links; the step at work is shown.
  struct Step {
    const char* what;
    void (*run)(check::Disc&, check::Findings&);
  };
  constexpr Step kSteps[] = {{"fixed files", check::CheckFixedFiles},
                             {"table rows", check::CheckTableRows},
                             {"menus", check::CheckMenu},
                             {"contents tree", check::CheckTree},
                             {"links", check::CheckLinks},
                             {"frame targets", check::CheckFrameTargets}};
  ProgressLine progress(ProgressStream(err, parsed.quiet), "check", "steps");
  std::size_t done = 0;
  for (const Step& step : kSteps) {
    progress.Show(std::string(step.what) + " (" + std::to_string(++done) + "/" +
                  std::to_string(std::size(kSteps)) + ")");
    step.run(disc, findings);
  }
  progress.Clear();

  const std::vector<check::Finding> sorted = findings.Sorted();
  const std::vector<std::string> hints = check::WindowsProgramHints(disc);
  if (parsed.json) {
    check::WriteJson(out, sorted);
    // Hints are no findings: the JSON lines stay one finding each.
    for (const std::string& hint : hints) err << hint << "\n";
  } else {
    check::WriteText(out, sorted);
    for (const std::string& hint : hints) out << hint << "\n";
    if (sorted.empty()) {
      out << "No problems found.\n";
    } else {
      out << sorted.size() << (sorted.size() == 1 ? " problem" : " problems") << " found.\n";
    }
  }
  out.flush();
  return sorted.empty() ? 0 : 1;
}

}  // namespace velmora::cli
