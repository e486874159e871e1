#include "viewer/command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace velmora::platform::qt {
namespace {

// QGuiApplication's and the xcb platform's options; a value follows the
// first ones as the next argument or after '='.
constexpr std::array<std::string_view, 15> kToolkitWithValue = {
    "-platform",     "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
    "-qwindowtitle", "-qwindowicon",        "-session",       "-style",  "-stylesheet",
    "-display",      "-geometry",           "-name",          "-title",  "-qmljsdebugger"};
constexpr std::array<std::string_view, 6> kToolkitFlags = {"-reverse", "-widgetcount", "-visual",
                                                           "-nograb",  "-dograb",      "-sync"};

bool Listed(std::string_view name, const auto& list) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool options = true;
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    // Qt takes its options with two dashes too.
    std::string_view name = std::string_view(argument).substr(0, argument.find('='));
    if (name.starts_with("--")) name.remove_prefix(1);
    if (options && Listed(name, kToolkitFlags)) {
      line.toolkit.push_back(argument);
    } else if (options && Listed(name, kToolkitWithValue)) {
      line.toolkit.push_back(argument);
      if (argument.find('=') == std::string::npos) {
        if (index + 1 == arguments.size()) {
          line.action = CommandLine::Action::kWrongUsage;
          line.error = "brak wartości opcji " + argument;
          return line;
        }
        line.toolkit.push_back(arguments[++index]);
      }
    } else if (options && argument == "--") {
      options = false;
    } else if (options && (argument == "-h" || argument == "--help")) {
      line.action = CommandLine::Action::kHelp;
      return line;
    } else if (options && (argument == "-V" || argument == "--version")) {
      line.action = CommandLine::Action::kVersion;
      return line;
    } else if (options && argument == "--verbose") {
      line.verbose = true;
    } else if (options && argument.size() > 1 && argument.front() == '-') {
      line.action = CommandLine::Action::kWrongUsage;
      line.error = "nieznana opcja: " + argument;
      return line;
    } else if (line.disc) {
      line.action = CommandLine::Action::kWrongUsage;
      line.error = "podano więcej niż jedną płytę: " + argument;
      return line;
    } else if (argument.empty()) {
      line.action = CommandLine::Action::kWrongUsage;
      line.error = "pusta nazwa płyty";
      return line;
    } else {
      line.disc = argument;
    }
  }
  return line;
}

std::optional<int> AnswerWithoutStarting(const CommandLine& line) {
  switch (line.action) {
    case CommandLine::Action::kHelp:
      std::fputs(UsageText().c_str(), stdout);
      return 0;
    case CommandLine::Action::kVersion:
      std::puts(VersionText().c_str());
      return 0;
    case CommandLine::Action::kWrongUsage:
      std::fprintf(stderr, "velmora: %s\n%s", line.error.c_str(), UsageText().c_str());
      return 2;
    case CommandLine::Action::kRun:
      break;
  }
  return std::nullopt;
}

std::string UsageText() {
  return "Użycie: velmora [OPCJE] [PŁYTA]\n"
         "Przeglądarka encyklopedii Velmora.\n"
         "\n"
         "PŁYTA to folder z zawartością płyty, zamontowana płyta (np. /media/jan/VELMORA)\n"
         "albo plik obrazu płyty ISO 9660 (np. velmora.iso). Obraz jest rozpakowywany\n"
         "raz, do ~/.cache/velmora/discs, a kolejne uruchomienia czytają tę kopię.\n"
         "Wskazana płyta służy tylko temu uruchomieniu; ustawień nie zmienia.\n"
         "Bez PŁYTY: płyta zapisana w ustawieniach (~/.config/Kestrava/VNQE.conf),\n"
         "a bez ustawień bieżący folder albo okno wyboru płyty.\n"
         "\n"
         "Opcje:\n"
         "  -h, --help     pokazuje ten opis i kończy pracę\n"
         "  -V, --version  pokazuje wersję programu i kończy pracę\n"
         "  --verbose      pokazuje też komunikaty diagnostyczne silnika przeglądarki\n"
         "Przyjmuje też opcje biblioteki Qt, np. -platform offscreen.\n";
}

std::string VersionText() { return std::string("velmora ") + VELMORA_VERSION; }

}  // namespace velmora::platform::qt
