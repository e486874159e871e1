// Benchmarks of the core on generated discs, run on the recording platform
// with its trace discarded:
//   velmora-bench-core --disc=1:/tmp/disc1 --disc=100:/tmp/disc100
// Every benchmark is registered once per disc, named ".../scale:N".

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "bench/bench_session.h"

namespace velmora::bench {
namespace {

// The word the disc generator plants in about one page in twelve.
constexpr const char* kSearchWord = "storczyk";

// Keys spread evenly over a table's rows (the first column).
std::vector<std::string> SpreadKeys(const tables::Table& table, int count) {
  std::vector<std::string> keys;
  int rows = 0;
  while (rows < table.RowCount() && !table.Cell(0, rows).empty()) ++rows;
  for (int i = 0; i < count && rows > 0; ++i)
    keys.emplace_back(table.Cell(0, (rows - 1) * i / count));
  return keys;
}

std::string MiddleKey(const tables::Table& table) {
  int rows = 0;
  while (rows < table.RowCount() && !table.Cell(0, rows).empty()) ++rows;
  return std::string(table.Cell(0, rows / 2));
}

void Startup(benchmark::State& state, Disc disc) { TimeStartups(state, disc); }

// Runs `timed` once an iteration in a program started afresh (untimed), so
// that nothing a run builds up is held yet; `after` runs untimed behind it.
template <typename Timed, typename After>
void InFreshPrograms(benchmark::State& state, const Disc& disc, Timed timed, After after) {
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<Session>(disc);
    session->Start();
    state.ResumeTiming();
    timed(*session);
    state.PauseTiming();
    after(*session);
    session.reset();
    state.ResumeTiming();
  }
}

void DaneExact(benchmark::State& state, Disc disc, tables::CatalogueIndex table, int nrKol) {
  Session session(disc);
  session.Start();
  app::TMainForm& form = session.Form();
  const tables::Table& rows = form.CatalogueTable(table);
  const std::vector<std::string> keys = SpreadKeys(rows, 64);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(form.Dane(rows, keys[next], nrKol, 0));
    next = (next + 1) % keys.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void DaneMissingKey(benchmark::State& state, Disc disc) {
  Session session(disc);
  session.Start();
  app::TMainForm& form = session.Form();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        form.Dane(form.CatalogueTable(tables::kPhotoTable), "no such key", 5, 0));
}

// From the click's navigation to the written "$$RP_<key>.html".
void RecordPage(benchmark::State& state, Disc disc, tables::CatalogueIndex table,
                std::string scheme) {
  Session session(disc);
  session.Start();
  app::TMainForm& form = session.Form();
  const std::string address = "http://db?" + scheme + MiddleKey(form.CatalogueTable(table));
  for (auto _ : state) {
    bool cancel = false;
    form.MainWebBrowserBeforeNavigate2(address, cancel);
    state.PauseTiming();
    if (!cancel) state.SkipWithError("the record link was not taken");
    session.Recording().RunUntilIdle();
    state.ResumeTiming();
  }
}

// The first record page of a run: the tables' lookup indexes are made on
// first use, so this is what the first click costs.
void FirstRecordPage(benchmark::State& state, Disc disc) {
  std::string address;
  {
    Session probe(disc);
    probe.Start();
    address = "http://db?rp" + MiddleKey(probe.Form().CatalogueTable(tables::kReserveTable));
  }
  bool cancel = false;
  InFreshPrograms(
      state, disc,
      [&](Session& session) {
        cancel = false;
        session.Form().MainWebBrowserBeforeNavigate2(address, cancel);
      },
      [&](Session&) {
        if (!cancel) state.SkipWithError("the record link was not taken");
      });
}

// One link of each row of the dispatcher, with what the row does.
void DispatcherRow(benchmark::State& state, Disc disc, std::string row) {
  Session session(disc);
  session.Start();
  app::TMainForm& form = session.Form();
  const std::string rp = MiddleKey(form.CatalogueTable(tables::kReserveTable));
  const std::string photo = MiddleKey(form.CatalogueTable(tables::kPhotoTable));
  const std::string word = MiddleKey(form.CatalogueTable(tables::kDictionaryTable));
  const std::string biotope = MiddleKey(form.CatalogueTable(tables::kBiotopeTable));
  const std::string& data = form.Paths().dataDir;
  const std::string address =
      row == "pn"       ? "http://db?pnbialowieski"
      : row == "map"    ? "http://db?map-rp" + rp
      : row == "ml"     ? "http://db?ml-rp" + rp
      : row == "sh"     ? "http://db?shf" + photo + ".jpg"
      : row == "trans"  ? "http://db?trans-intro_en.htm"
      : row == "dic"    ? "http://db?dic" + word
      : row == "bio"    ? "http://db?bio" + biotope
      : row == "tree"   ? "http://db?tree"
      : row == "www"    ? "http://www.example.org/"
      : row == "drzewo" ? data + "drzewo.htm"
      : row == "page"   ? data + "750.htm"
      : row == "mail"   ? "mailto:a@b"
                        : "http://db?" + row + MiddleKey(form.CatalogueTable(tables::kEconetTable));
  for (auto _ : state) {
    bool cancel = false;
    form.MainWebBrowserBeforeNavigate2(address, cancel);
    state.PauseTiming();
    session.Recording().RunUntilIdle();
    state.ResumeTiming();
  }
}

// A fresh program for every search: nothing of the pages is held yet.
void SearchCold(benchmark::State& state, Disc disc) {
  InFreshPrograms(
      state, disc, [](Session& session) { session.Form().MakeSearchPage(kSearchWord); },
      [&](Session& session) {
        state.counters["pages_found"] = session.Form().LastSearch().pages.size();
      });
}

// The second and later searches of one run.
void SearchWarm(benchmark::State& state, Disc disc) {
  Session session(disc);
  session.Start();
  session.Form().MakeSearchPage(kSearchWord);
  for (auto _ : state) session.Form().MakeSearchPage(kSearchWord);
  state.counters["pages_found"] = session.Form().LastSearch().pages.size();
}

// Later searches for other words, as typed (Windows-1250): what the pages'
// signatures save does not depend on searching the same word again.
void SearchWarmOtherWords(benchmark::State& state, Disc disc) {
  // The planted Polish word, the planted word in capitals, and a phrase
  // no page holds.
  const std::vector<std::string> words{"\xBFubr", "STORCZYK", "szarotka alpejska"};
  Session session(disc);
  session.Start();
  session.Form().MakeSearchPage(kSearchWord);
  std::size_t next = 0;
  std::size_t found = 0;
  for (auto _ : state) {
    session.Form().MakeSearchPage(words[next]);
    found += session.Form().LastSearch().pages.size();
    next = (next + 1) % words.size();
  }
  state.counters["pages_found_per_search"] =
      static_cast<double>(found) / static_cast<double>(state.iterations());
}

void Grep(benchmark::State& state, Disc disc) {
  const std::vector<std::string> command{"grep", "-rilF", kSearchWord, disc.root + "Data/"};
  for (auto _ : state) {
    if (RunQuietly(command) != 0) state.SkipWithError("grep found nothing or failed");
  }
}

// smoke: one iteration of every benchmark, to show that each still runs.
void RegisterAll(const Disc& disc, bool smoke) {
  const std::string suffix = "/scale:" + disc.scale;
  const bool large = disc.scale != "1";
  auto add = [&](const std::string& name, auto&& function, auto&&... args) {
    return benchmark::RegisterBenchmark((name + suffix).c_str(), function, disc, args...)
        ->Unit(benchmark::kMillisecond);
  };
  auto times = [smoke](int count) { return smoke ? 1 : count; };
  // Each of these pauses the clock for untimed work (loading what the step
  // navigated to), so the count is fixed rather than left to the timed part.
  const int steps = times(large ? 100 : 300);
  add("Startup", Startup)->Iterations(times(large ? 20 : 100));
  for (const auto& [name, table, column] :
       {std::tuple{"DaneExact/SG_RP", tables::kReserveTable, 2},
        std::tuple{"DaneExact/SG_Foto", tables::kPhotoTable, 5}}) {
    auto* exact = add(name, DaneExact, table, column)->Unit(benchmark::kMicrosecond);
    if (smoke) exact->Iterations(1);
  }
  auto* missing = add("DaneExact/missing", DaneMissingKey)->Unit(benchmark::kMicrosecond);
  if (smoke) missing->Iterations(1);
  add("RecordPage/rp", RecordPage, tables::kReserveTable, std::string("rp"))->Iterations(steps);
  add("RecordPage/pk", RecordPage, tables::kParkTable, std::string("pk"))->Iterations(steps);
  add("RecordPage/ok", RecordPage, tables::kLandscapeTable, std::string("ok"))->Iterations(steps);
  add("RecordPage/ec", RecordPage, tables::kEconetTable, std::string("ec"))->Iterations(steps);
  add("RecordPage/first", FirstRecordPage)->Iterations(times(large ? 10 : 50));
  for (const char* row :
       {"pn", "map", "ml", "sh", "trans", "dic", "bio", "tree", "www", "drzewo", "page", "mail"}) {
    add(std::string("Dispatcher/") + row, DispatcherRow, std::string(row))
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(steps);
  }
  // grep runs in a child process: only the wall clock sees it.
  add("Search/cold", SearchCold)->Iterations(times(large ? 3 : 20))->UseRealTime();
  add("Search/warm", SearchWarm)->Iterations(times(large ? 5 : 50))->UseRealTime();
  add("Search/warm-other-words", SearchWarmOtherWords)
      ->Iterations(times(large ? 8 : 40))
      ->UseRealTime();
  add("Search/grep-rilF", Grep)->Iterations(times(large ? 5 : 50))->UseRealTime();
}

}  // namespace
}  // namespace velmora::bench

int main(int argc, char** argv) {
  const bool smoke = velmora::bench::TakeFlag(argc, argv, "--smoke");
  const std::vector<velmora::bench::Disc> discs = velmora::bench::TakeDiscArguments(argc, argv);
  if (discs.empty()) {
    std::fprintf(stderr,
                 "usage: velmora-bench-core --disc=SCALE:DIR ... [--smoke] [benchmark flags]\n");
    return 2;
  }
  for (const auto& disc : discs) velmora::bench::RegisterAll(disc, smoke);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
