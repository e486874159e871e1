#include "cli/command_help.h"

#include <algorithm>

namespace velmora::cli {
namespace {

struct Command {
  std::string_view name;
  std::string_view usage;  // after "usage: " or the indent of a further line
  std::string_view help;
};

constexpr Command kCommands[] = {
    {"table", "velmora-cli table FILE [--columns N]\n",
     "Prints how the viewer reads one semicolon table file, as one JSON object\n"
     "on one line (cells converted from ISO-8859-2 to UTF-8).\n"
     "\n"
     "  --columns N       the declared column count, 0 to 100000 (default: that\n"
     "                    of the viewer's table of FILE's name, else 1)\n"},
    {"search", "velmora-cli search WORD [--content DIR]\n",
     "Runs the viewer's start-up and its full-text search for WORD (at least 2\n"
     "characters) and prints what the results page lists, as one JSON object.\n"
     "\n"
     "  --content DIR     the disc (default: the current directory)\n"},
    {"replay", "velmora-cli replay [--content DIR] [--temp DIR] [--settings FILE] [SCRIPT]\n",
     "Runs the viewer's start-up and then the events of SCRIPT (standard input\n"
     "when it is missing or \"-\"), and prints every platform call as JSON lines.\n"
     "\n"
     "  --content DIR     the current directory of the run, where the disc is\n"
     "                    looked for without settings (default: the current one)\n"
     "  --temp DIR        where the working directory is made (default: a fresh\n"
     "                    private directory, removed at the end)\n"
     "  --settings FILE   the viewer's settings: [General] cdPath=, instPath=\n"},
    {"check", "velmora-cli check [--content DIR] [--settings FILE] [--json] [--quiet]\n",
     "Loads the disc as the viewer does and reports every problem a reader would\n"
     "meet, one line each and a count. Exit status 1 when something is found.\n"
     "\n"
     "  --content DIR     the disc (default: the current directory)\n"
     "  --settings FILE   the viewer's settings: [General] cdPath=, instPath=\n"
     "  --json            one JSON object per finding and nothing else\n"
     "  --quiet           no progress line on the terminal\n"},
    {"install",
     "velmora-cli install --disc DIR|IMAGE [--to DIR] [--force] [--quiet]\n"
     "velmora-cli install --uninstall [--to DIR]\n",
     "Copies a disc for the current user and writes the viewer's settings, so\n"
     "that the viewer finds it from any directory.\n"
     "\n"
     "  --disc DIR|IMAGE  a mounted disc or a copy of one (its Foto, Makiety, DB\n"
     "                    and Data are copied), or a disc image (ISO 9660 with\n"
     "                    Rock Ridge or Joliet names), installed whole\n"
     "  --to DIR          where to copy (default: $XDG_DATA_HOME/velmora/disc,\n"
     "                    else ~/.local/share/velmora/disc)\n"
     "  --force           install over another installation or other files\n"
     "  --uninstall       remove exactly what the installation made\n"
     "  --quiet           no progress line on the terminal\n"},
    {"export",
     "velmora-cli export --disc DIR|IMAGE (--site OUTDIR | --zim OUT.zim) [--quiet]\n"
     "velmora-cli export --check-site OUTDIR\n",
     "Writes everything a reader can reach in the viewer, made by the viewer's\n"
     "own code, as a static website or a ZIM archive for Kiwix. Links of the\n"
     "disc lead inside the export; definitions and locations open as pop-ups.\n"
     "Broken links of the disc are listed and lead to a page saying so.\n"
     "\n"
     "  --disc DIR|IMAGE  the disc, a copy of one or a disc image\n"
     "  --site OUTDIR     a folder of pages (must not exist, or be empty)\n"
     "  --zim OUT.zim     a ZIM archive with full-text and title indexes\n"
     "  --quiet           no progress line on the terminal\n"
     "  --check-site DIR  follow every link of a site export and report those\n"
     "                    leading nowhere or to the network (exit status 1)\n"},
};

constexpr std::string_view kHelpOption = "  -h, --help        show this help\n";

const Command* Find(std::string_view name) {
  for (const Command& command : kCommands) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

// "usage: " before the first line, its width of blanks before the others.
void AppendUsage(std::string& text, std::string_view usage, bool first) {
  while (!usage.empty()) {
    const std::size_t end = usage.find('\n') + 1;
    text += first ? "usage: " : "       ";
    text += usage.substr(0, end);
    usage.remove_prefix(end);
    first = false;
  }
}

}  // namespace

std::string GeneralUsage() {
  std::string text;
  bool first = true;
  for (const Command& command : kCommands) {
    AppendUsage(text, command.usage, first);
    first = false;
  }
  text += "       velmora-cli COMMAND --help\n";
  return text;
}

std::optional<std::string> CommandUsage(std::string_view name) {
  const Command* command = Find(name);
  if (!command) return std::nullopt;
  std::string text;
  AppendUsage(text, command->usage, true);
  return text;
}

std::optional<std::string> CommandHelp(std::string_view name) {
  const Command* command = Find(name);
  if (!command) return std::nullopt;
  return *CommandUsage(name) + "\n" + std::string(command->help) + std::string(kHelpOption);
}

bool AsksForHelp(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(),
                     [](const std::string& arg) { return arg == "-h" || arg == "--help"; });
}

}  // namespace velmora::cli
