#include "platform/qt/command_line.h"

namespace velmora::platform::qt {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool options = true;
  for (const std::string& argument : arguments) {
    if (options && argument == "--") {
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
         "  -V, --version  pokazuje wersję programu i kończy pracę\n";
}

std::string VersionText() { return std::string("velmora ") + VELMORA_VERSION; }

}  // namespace velmora::platform::qt
