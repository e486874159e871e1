// Table files left in the file (mapped) instead of read onto the heap: the
// same cells, cells that stay valid when the pages go and come back, and no
// crash when the file shrinks under the mapping.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/application.h"
#include "pages/generated_page.h"
#include "platform/mapping_fault_guard.h"
#include "platform/native_file_system.h"
#include "recording/recording_platform.h"
#include "tables/background_reader.h"
#include "tables/table.h"
#include "test_support.h"

namespace velmora::test {
namespace {

using platform::FileBytes;
using platform::NativeFileSystem;
using tables::BackgroundReader;
using tables::ReadCsvText;
using tables::Table;

std::vector<std::vector<std::string>> AllCells(const Table& table) {
  std::vector<std::vector<std::string>> cells;
  for (int row = 0; row < table.RowCount(); ++row) {
    cells.emplace_back();
    for (int column = 0; column < table.ColumnCount(); ++column)
      cells.back().emplace_back(table.Cell(column, row));
  }
  return cells;
}

std::vector<std::vector<std::string>> CellsFromHeap(const std::string& bytes) {
  Table table("SG_Test", 2);
  ReadCsvText(table, bytes);
  return AllCells(table);
}

// A record wider than a plain record row may be, and one just narrow enough.
std::string WideRecord(std::size_t cells) {
  std::string record = "w0";
  for (std::size_t i = 1; i < cells; ++i) record += ";w" + std::to_string(i);
  return record;
}

// Large enough for the worker, of every kind of record: plain, quoted, and
// continued on a "$" line.
std::string ManyRecords(int records) {
  std::string bytes;
  for (int i = 0; i < records; ++i) {
    const std::string n = std::to_string(i);
    bytes += "k" + n + ";" + (i % 5 == 0 ? "\"q;" + n + "\"" : "p" + n) + ";v";
    if (i % 40 == 0) bytes += "\r\n$cont" + std::to_string(i);
    bytes += i % 3 == 0 ? "\n" : "\r\n";
  }
  return bytes;
}

#ifdef __linux__
// Resident kilobytes of this process's mappings of the file.
long ResidentKb(const std::string& path) {
  std::ifstream smaps("/proc/self/smaps");
  std::string line;
  bool inside = false;
  long total = 0;
  while (std::getline(smaps, line)) {
    const bool header = !line.empty() && line.find(':') > line.find(' ');
    if (header) inside = line.ends_with(" " + path);
    if (inside && line.starts_with("Rss:")) total += std::stol(line.substr(4));
  }
  return total;
}
#endif

class MappedTables : public ::testing::Test {
 protected:
  std::shared_ptr<const FileBytes> Map(const std::string& bytes,
                                       const std::string& name = "T.CSV") {
    WriteFile(dir / name, bytes);
    return files.MapFile(dir / name);
  }

  // Runs the program on the disc in dir, from there as the viewer would,
  // with its calls recorded; returns the trace.
  std::string RunOnDisc(
      const std::function<void(app::TMainForm&, recording::RecordingPlatform&)>& visit) {
    TempDir temp;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    std::ostringstream trace;
    recording::RecordingPlatform recording(trace, {temp.path() + "/", std::nullopt});
    app::RunProgram(recording.platform(), [&](app::Application& application) {
      visit(*application.MainForm(), recording);
    });
    std::filesystem::current_path(previous);
    return trace.str();
  }

  TempDir dir;
  NativeFileSystem files;
};

TEST_F(MappedTables, everyKindOfFile_givesTheCellsOfItsBytesReadOntoTheHeap) {
  const std::vector<std::string> contents{
      "",
      "a;b",
      "a;b\r\nc;d\r\n",
      "a;\"q;uoted\";x\nb;\"unterminated;c\rlast;\"\"",
      "r1;one\r\n$more;two\r\n$second\r\n$\r\nr2\r",
      "\r\n\r\n;\n;;\r;",
      WideRecord(tables::Table::kMaxRecordCells) + "\r\n" +
          WideRecord(tables::Table::kMaxRecordCells + 1) + "\r\n" + WideRecord(5000),
      std::string(10000, ';') + "\r\nend",
      ManyRecords(30000),
  };
  for (const std::string& bytes : contents) {
    const std::shared_ptr<const FileBytes> mapped = Map(bytes);
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(mapped->View(), bytes);
    Table table("SG_Test", 2);
    ReadCsvText(table, mapped);
    EXPECT_EQ(AllCells(table), CellsFromHeap(bytes)) << bytes.substr(0, 60);

    // Through the worker thread for the large ones.
    Table later("SG_Test", 2);
    BackgroundReader reader;
    reader.Read(later, mapped);
    EXPECT_EQ(AllCells(later), AllCells(table));
  }
}

TEST_F(MappedTables, cellsStayValid_afterReleaseCopyAndMove) {
  const std::string bytes = ManyRecords(5000) + "plain;row;here\r\nwide;" + WideRecord(100);
  std::optional<Table> original(std::in_place, "SG_Test", 2);
  ReadCsvText(*original, Map(bytes));
  const std::vector<std::vector<std::string>> expected = AllCells(*original);
  const int last = original->RowCount() - 1;
  const std::string_view record = original->Cell(1, 5000);
  const std::string_view plain = original->Cell(2, 7);
  const std::string_view quoted = original->Cell(1, 15);
  const std::string_view joined = original->Cell(2, 40);
  const std::string_view wide = original->Cell(100, last);
  ASSERT_EQ(record, "row");
  ASSERT_EQ(plain, "v");
  ASSERT_EQ(quoted, "q;15");
  ASSERT_EQ(joined, "vcont40");
  ASSERT_EQ(wide, "w99");

  original->ReleaseText();
  EXPECT_EQ(original->FindRow(0, "k4321"), 4321);  // builds an index, releases again
  EXPECT_EQ(original->RowsContaining(0, "k4999").size(), 1u);
  Table copy = *original;
  original->SetCell(1, 5000, "written");
  original.reset();  // the copy keeps the file's bytes
  EXPECT_EQ(record, "row");
  EXPECT_EQ(plain, "v");
  EXPECT_EQ(quoted, "q;15");
  EXPECT_EQ(joined, "vcont40");
  EXPECT_EQ(wide, "w99");
  copy.ReleaseText();
  const Table moved = std::move(copy);
  EXPECT_EQ(AllCells(moved), expected);
  EXPECT_EQ(moved.Cell(1, 5000).data(), record.data());
  EXPECT_EQ(moved.FindRow(0, "plain"), 5000);
}

#ifdef __linux__
TEST_F(MappedTables, afterSplittingAndIndexing_theFileIsNotResidentInTheProcess) {
  std::string bytes;
  for (int i = 0; i < 80000; ++i)
    bytes += "k" + std::to_string(i) + ";" + std::string(240, 'x') + ";v\r\n";
  const std::string path = std::filesystem::canonical(dir.path()).string() + "/T.CSV";
  // The system maps the pages around one that is read, in blocks of its
  // choosing (up to 2 MB): a few such blocks are still far less than the file.
  const long few = static_cast<long>(bytes.size() / 1024 / 4);
  Table table("SG_Test", 2);
  ReadCsvText(table, Map(bytes));
  EXPECT_LT(ResidentKb(path), few);
  ASSERT_EQ(table.FindRow(0, "k79999"), 79999);
  EXPECT_LT(ResidentKb(path), few);
  ASSERT_EQ(table.RowsContaining(0, "k7999").size(), 11u);
  EXPECT_LT(ResidentKb(path), few);
  // What is read afterwards comes back, and goes with the next release.
  for (int row = 0; row < table.RowCount(); ++row) EXPECT_EQ(table.Cell(2, row), "v");
  EXPECT_GT(ResidentKb(path), static_cast<long>(bytes.size() / 1024 / 2));
  table.ReleaseText();
  EXPECT_LT(ResidentKb(path), few);
}
#endif

#ifdef __linux__
// A record page reads a few rows of a large table. Their pages stay in the
// process for the next click and go back to the system's file cache once
// the program has waited a whole idle period with no page made.
TEST_F(MappedTables, aRecordPagesTablePages_stayForTheNextClick_andGoWhenIdle) {
  MakeMinimalDisc(dir.path());
  std::string records;
  for (int i = 0; i < 20000; ++i)
    records +=
        std::to_string(i) + ";Rezerwat " + std::to_string(i) + ";" + std::string(200, 'x') + "\r\n";
  WriteFile(dir / "DB/RP.CSV", records);
  WriteFile(dir / "Makiety/rp.html",
            ReadFile(std::string(VELMORA_SAMPLE_CONTENT) + "/Makiety/rp.html"));
  const std::string path = std::filesystem::canonical(dir.path()).string() + "/DB/RP.CSV";
  // The index pass reads the whole file and gives it back at once.
  const long few = static_cast<long>(records.size() / 1024 / 4);
  long afterPages = -1, afterOnePeriod = -1, afterIdlePeriod = -1, afterIndex = -1;
  const std::string trace = RunOnDisc([&](app::TMainForm& form, recording::RecordingPlatform&) {
    bool cancel = false;
    form.MainWebBrowserBeforeNavigate2("http://db?rp19999", cancel);
    afterIndex = ResidentKb(path);
    form.MainWebBrowserBeforeNavigate2("http://db?rp10000", cancel);
    afterPages = ResidentKb(path);
    form.ReleaseTableTextWhenIdle();  // the period of the click
    afterOnePeriod = ResidentKb(path);
    form.ReleaseTableTextWhenIdle();  // a whole period without one
    afterIdlePeriod = ResidentKb(path);
  });
  EXPECT_LT(afterIndex, few);
  EXPECT_GT(afterPages, 0);
  EXPECT_EQ(afterOnePeriod, afterPages);
  EXPECT_EQ(afterIdlePeriod, 0);
  EXPECT_NE(trace.find("$$RP_10000"), std::string::npos) << "no record page was written";
}

// Record pages of every kind, made again after many clicks on the other
// tables with their pages kept and given back in between: the same bytes.
TEST_F(MappedTables, recordPagesAfterManyClicksOnOtherTables_keepTheirText) {
  CopyDiscAsMounted(VELMORA_SAMPLE_CONTENT, dir.path());
  std::vector<std::string> differing;
  std::size_t made = 0;
  RunOnDisc([&](app::TMainForm& form, recording::RecordingPlatform& recording) {
    const std::vector<std::pair<const Table*, std::string>> kinds{
        {&form.CatalogueTable(tables::kReserveTable), "rp"},
        {&form.CatalogueTable(tables::kParkTable), "pk"},
        {&form.CatalogueTable(tables::kLandscapeTable), "ok"},
        {&form.CatalogueTable(tables::kEconetTable), "ec"}};
    std::map<std::string, std::string> first;
    for (int round = 0; round < 3; ++round) {
      for (int row = 0; row < 8; ++row) {
        for (const auto& [table, scheme] : kinds) {
          if (row >= table->RowCount()) continue;
          const std::string key(table->Cell(0, row));
          bool cancel = false;
          form.MainWebBrowserBeforeNavigate2("http://db?" + scheme + key, cancel);
          recording.RunUntilIdle();
          // An ECONET record is shown in a fixed frame page around its own.
          const std::string page =
              ReadFile(scheme == "ec"
                           ? form.Paths().workDir + pages::GeneratedFileName("econet")
                           : recording.browsers().GetRecording("MainWebBrowser").CurrentAddress());
          ASSERT_NE(page.find(key), std::string::npos) << scheme + key;
          auto [kept, isNew] = first.emplace(scheme + key, page);
          if (isNew) ++made;
          if (!isNew && kept->second != page) differing.push_back(scheme + key);
          // Every other round the pages go between the clicks.
          if (round == 1) {
            form.ReleaseTableTextWhenIdle();
            form.ReleaseTableTextWhenIdle();
          }
          // A definition reads the dictionary between two record pages.
          if (row == 3)
            form.LookupDefinition(
                navigation::DefinitionKind::Dictionary,
                std::string(form.CatalogueTable(tables::kDictionaryTable).Cell(0, 0)));
        }
      }
    }
  });
  EXPECT_GE(made, 8u);
  EXPECT_TRUE(differing.empty()) << differing.front();
}
#endif

#ifdef __linux__
// The lookups built while the program waits, before the first click: the
// same pages and definitions as built at the click, and the table's pages
// the passes read not kept.
TEST_F(MappedTables, lookupsPreparedWhileIdle_giveTheSamePagesAndKeepNoTablePages) {
  CopyDiscAsMounted(VELMORA_SAMPLE_CONTENT, dir.path());
  std::string records;
  for (int i = 0; i < 20000; ++i)
    records +=
        std::to_string(i) + ";Rezerwat " + std::to_string(i) + ";" + std::string(200, 'x') + "\r\n";
  WriteFile(dir / "DB/RP.CSV", records);
  const std::string path = std::filesystem::canonical(dir.path()).string() + "/DB/RP.CSV";
  const long few = static_cast<long>(records.size() / 1024 / 4);
  long afterPreparing = -1;
  const auto made = [&](bool prepared) {
    std::vector<std::string> pages;
    RunOnDisc([&](app::TMainForm& form, recording::RecordingPlatform& recording) {
      if (prepared) {
        form.OnIdlePeriod();
        afterPreparing = ResidentKb(path);
      }
      const std::string park(form.CatalogueTable(tables::kParkTable).Cell(0, 0));
      for (const std::string& link : {std::string("http://db?rp19999"),
                                      std::string("http://db?rp0"), "http://db?pk" + park}) {
        bool cancel = false;
        form.MainWebBrowserBeforeNavigate2(link, cancel);
        recording.RunUntilIdle();
        pages.push_back(
            ReadFile(recording.browsers().GetRecording("MainWebBrowser").CurrentAddress()));
      }
      const std::string word(form.CatalogueTable(tables::kDictionaryTable).Cell(0, 0));
      pages.push_back(form.LookupDefinition(navigation::DefinitionKind::Dictionary, word));
    });
    return pages;
  };
  const std::vector<std::string> atTheClick = made(false);
  ASSERT_NE(atTheClick[0].find("Rezerwat 19999"), std::string::npos);
  EXPECT_EQ(made(true), atTheClick);
  EXPECT_GE(afterPreparing, 0);
  EXPECT_LT(afterPreparing, few);
}
#endif

TEST_F(MappedTables, fileShrunkUnderALiveMapping_readsAsZerosPastItsNewEnd) {
  const long page = sysconf(_SC_PAGESIZE);
  const std::string bytes = ManyRecords(20000);  // many pages
  ASSERT_GT(bytes.size(), static_cast<std::size_t>(page) * 8);
  Table table("SG_Test", 2);
  ReadCsvText(table, Map(bytes));
  const std::shared_ptr<const FileBytes> raw = files.MapFile(dir / "T.CSV");
  std::filesystem::resize_file(dir / "T.CSV", 100);
  table.ReleaseText();
  raw->Release();

  const std::string_view view = raw->View();
  ASSERT_EQ(view.size(), bytes.size());
  EXPECT_EQ(view.substr(0, 100), bytes.substr(0, 100));
  EXPECT_EQ(view.find_first_not_of('\0', 100), std::string_view::npos);
  // Every cell reads, within its record, whatever the text now holds: its
  // bytes, or zeros where they were (a cell copied when split keeps them).
  const std::vector<std::vector<std::string>> before = CellsFromHeap(bytes);
  for (int row = 0; row < table.RowCount(); ++row) {
    for (int column = 0; column < table.ColumnCount(); ++column) {
      const std::string_view cell = table.Cell(column, row);
      if (cell == before[row][column]) continue;
      EXPECT_EQ(cell.find_first_not_of('\0'), std::string_view::npos) << row << "/" << column;
      ASSERT_LE(cell.size(), before[row].size() * 2 + 20) << row << "/" << column;
    }
  }
  EXPECT_EQ(table.Cell(2, 1), "v");
  EXPECT_EQ(table.FindRow(0, "k19999"), -1);
}

// Killed by the bus error, or ended by a handler that was there before ours
// (a sanitizer's report, which exits or aborts as its options say).
bool EndedByTheFault(int status) {
  return (WIFSIGNALED(status) && (WTERMSIG(status) == SIGBUS || WTERMSIG(status) == SIGABRT)) ||
         (WIFEXITED(status) && WEXITSTATUS(status) != 0);
}

TEST_F(MappedTables, aShrunkFileMappedElsewhere_stillEndsTheProgram) {
  // Only the file system's own mappings are mended: any other bus error is
  // the fault it was.
  WriteFile(dir / "other", std::string(1 << 16, 'x'));
  const std::string path = dir / "other";
  EXPECT_EXIT(
      {
        NativeFileSystem ours;
        const auto guarded = ours.MapFile(path);
        std::FILE* file = std::fopen(path.c_str(), "rb");
        void* data = mmap(nullptr, 1 << 16, PROT_READ, MAP_PRIVATE, fileno(file), 0);
        std::filesystem::resize_file(path, 0);
        volatile char read = static_cast<const char*>(data)[1 << 15];
        (void)read;
        std::_Exit(0);
      },
      EndedByTheFault, "");
}

TEST_F(MappedTables, whatCannotBeMapped_isReadOrMissing) {
  WriteFile(dir / "Sub/Empty.csv", "");
  const auto empty = files.MapFile(dir / "sub/empty.CSV");  // the disc ignores case
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->View(), "");
  EXPECT_EQ(files.MapFile(dir / "Sub"), nullptr);
  EXPECT_EQ(files.MapFile(dir / "none.csv"), nullptr);
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  EXPECT_EQ(files.MapFile(dir / "pipe"), nullptr);

  // Past the number of mappings that can be guarded, files are read instead.
  std::vector<std::shared_ptr<const FileBytes>> many;
  WriteFile(dir / "small.csv", "a;b\r\n");
  for (std::size_t i = 0; i < platform::kGuardedMappings + 10; ++i)
    many.push_back(files.MapFile(dir / "small.csv"));
  for (const auto& bytes : many) EXPECT_EQ(bytes->View(), "a;b\r\n");
}

}  // namespace
}  // namespace velmora::test
