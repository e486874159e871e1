// Hostile input sizes, generated: each benchmark runs at a quarter of its
// size (argument 1) and at the full size (argument 4); linear work grows
// about four times from one to the other.
//   velmora-bench-hostile [--benchmark_filter=Slide]
// Discs and directories go into one temporary directory, removed at exit.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "bench/bench_session.h"
#include "cli/check/check_command.h"
#include "cli/table_command.h"
#include "platform/native_file_system.h"
#include "tables/table.h"

namespace velmora::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kQuarterMegabyte = 256 * 1024;

// Where the generated inputs live for the run.
class Scratch {
 public:
  Scratch() {
    std::string pattern = (fs::temp_directory_path() / "velmora-hostile-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
    root_ = pattern;
  }
  ~Scratch() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  const fs::path& Root() const { return root_; }

 private:
  fs::path root_;
};

Scratch& TheScratch() {
  static Scratch scratch;
  return scratch;
}

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// A disc the program starts on, with its slide table given; made once per name.
std::string MakeDisc(const std::string& name, const std::string& slides, const std::string& page) {
  static std::map<std::string, std::string> made;
  if (const auto found = made.find(name); found != made.end()) return found->second;
  const fs::path root = TheScratch().Root() / name;
  for (const char* table : {"RP.CSV", "PK.CSV", "OCHK.CSV", "FOTO.CSV", "ECONET.CSV", "TRANSL.CSV",
                            "DICT.CSV", "BIOTOP.CSV"}) {
    Write(root / "DB" / table, "1;a;b\r\n");
  }
  Write(root / "DB/SLIDE.CSV", slides);
  std::string menus = "start;799;\r\n";
  for (int line = 1; line < 82; ++line) menus += "menu" + std::to_string(line) + ";\r\n";
  Write(root / "DB/MENU.CSV", menus);
  Write(root / "DB/DRZEWO1.CSV", "1;799\r\n");
  Write(root / "Makiety/menu_start.htm", "<html><body>Start</body></html>\r\n");
  Write(root / "Makiety/title.html", "<html><body><b><!--@opis@--></b></body></html>\r\n");
  Write(root / "Data/799.htm", page);
  for (const char* program : {"Anim/start.exe", "Anim/fin.exe"}) {
    Write(root / program, "#!/bin/sh\nexit 0\n");
    fs::permissions(root / program, fs::perms::owner_all);
  }
  // Photographs: every tenth slide name has its picture.
  for (int i = 0; i < 3000; i += 10) Write(root / "Foto" / ("fp" + std::to_string(i) + ".jpg"), "");
  return made[name] = root.string() + "/";
}

// One line of `size` bytes of separators.
std::string SeparatorLine(std::size_t size) { return std::string(size, ';') + "\r\n"; }

void SeparatorLineTable(benchmark::State& state) {
  const std::string bytes = SeparatorLine(kQuarterMegabyte * state.range(0));
  for (auto _ : state) {
    tables::Table table("SG_Test", 1);
    tables::ReadCsvText(table, bytes);
    std::size_t total = 0;
    for (int row = 0; row < table.RowCount(); ++row) {
      for (int column = 0; column < table.RowWidth(row); ++column)
        total += table.Cell(column, row).size();
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

// The same line through `velmora-cli table`: every row written out to the
// column count, as JSON.
void SeparatorLineCliTable(benchmark::State& state) {
  const fs::path file = TheScratch().Root() / ("line" + std::to_string(state.range(0)) + ".csv");
  Write(file, SeparatorLine(kQuarterMegabyte * state.range(0)));
  for (auto _ : state) {
    std::ostringstream out, err;
    if (cli::RunTableCommand({file.string()}, out, err) != 0) state.SkipWithError("table failed");
    benchmark::DoNotOptimize(out.str().size());
  }
}

// SLIDE.CSV of one long row of picture names: start-up resolves each.
void SlideRowStartup(benchmark::State& state) {
  std::string slides = "wide";
  for (int i = 0; slides.size() < kQuarterMegabyte * state.range(0); ++i)
    slides += ";p" + std::to_string(i % 3000);
  slides += "\r\nshort;p10\r\n";
  const Disc disc{"slides", MakeDisc("slides" + std::to_string(state.range(0)), slides,
                                     "<html><body>Start</body></html>\r\n")};
  TimeStartups(state, disc);
}

// Missing names looked up in a directory of 10,000 files, each lookup in
// another letter case first: the lookups of a quarter, then all of them.
void MissingFileLookups(benchmark::State& state) {
  const fs::path dir = TheScratch().Root() / "many";
  if (!fs::exists(dir / "F9999.JPG")) {
    for (int i = 0; i < 10000; ++i) Write(dir / ("F" + std::to_string(i) + ".JPG"), "");
  }
  const int lookups = 25000 * static_cast<int>(state.range(0));
  for (auto _ : state) {
    platform::NativeFileSystem files;  // a fresh run: the listing is read again
    int found = 0;
    for (int i = 0; i < lookups; ++i) {
      found += files.FileExists(dir.string() + "/m" + std::to_string(i) + ".jpg");
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * lookups);
}

// `velmora-cli check` of a disc whose start page holds one link of "&amp;"s.
void EntityHrefCheck(benchmark::State& state) {
  std::string href;
  while (href.size() < kQuarterMegabyte * 2 * state.range(0)) href += "&amp;";
  const std::string root = MakeDisc("entities" + std::to_string(state.range(0)), "1;p1\r\n",
                                    "<html><body><a href=\"" + href + "\">x</a></body></html>\r\n");
  for (auto _ : state) {
    std::ostringstream out, err;
    cli::RunCheckCommand({"--content", root}, out, err);
    benchmark::DoNotOptimize(out.str().size());
  }
}

// A table of the shape of the photograph table, read, indexed by key and
// every cell read once.
void LargeTable(benchmark::State& state) {
  const std::size_t size = 12 * 1024 * 1024 + 512 * 1024;  // a quarter of 50 MB
  std::string bytes;
  bytes.reserve(size * state.range(0) + 256);
  for (int row = 0; bytes.size() < size * state.range(0); ++row) {
    bytes += "p" + std::to_string(row) + ";f;Storczyk plamisty w rezerwacie;RP" +
             std::to_string(row % 4000) + " PK" + std::to_string(row % 1500) +
             ";Opis zdj\xEA"
             "cia i miejsca;Jan Kowalski;Dolina rzeki\r\n";
  }
  for (auto _ : state) {
    tables::Table table("SG_Foto", 6);
    tables::ReadCsvText(table, bytes);
    std::size_t total = table.FindRow(0, "p12345") + table.FindRow(0, "missing");
    for (int row = 0; row < table.RowCount(); ++row) {
      for (int column = 0; column < table.RowWidth(row); ++column)
        total += table.Cell(column, row).size();
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void Quarters(benchmark::internal::Benchmark* b) {
  b->ArgName("quarters")->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
}

BENCHMARK(SeparatorLineTable)->Apply(Quarters);
BENCHMARK(SeparatorLineCliTable)->Apply(Quarters);
BENCHMARK(SlideRowStartup)->Apply(Quarters);
BENCHMARK(MissingFileLookups)->Apply(Quarters);
BENCHMARK(EntityHrefCheck)->Apply(Quarters);
BENCHMARK(LargeTable)->Apply(Quarters);

}  // namespace
}  // namespace velmora::bench

BENCHMARK_MAIN();
