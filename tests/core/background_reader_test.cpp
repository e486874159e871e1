// Tables read on the worker thread: the same contents as a read on the
// spot, whatever the table is first used for, and no harm when the reader
// or the table goes first.
#include "tables/background_reader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

#include "tables/table.h"

using velmora::tables::BackgroundReader;
using velmora::tables::ReadCsvText;
using velmora::tables::Table;

namespace {

// A table file large enough to go to the worker: quoted fields, continuation
// lines, ragged rows and a duplicate key among its records.
std::string LargeTableFile(int records, const std::string& tag) {
  std::string bytes;
  for (int i = 0; i < records; ++i) {
    bytes += tag + std::to_string(i % 997) + ";\"opis; " + std::to_string(i) + "\";x";
    if (i % 50 == 0) bytes += "\r\n$dalej;" + std::to_string(i);
    if (i % 7 == 0) bytes += ";;";
    bytes += "\r\n";
  }
  return bytes;
}

void ExpectSameTable(const Table& actual, const Table& expected) {
  ASSERT_EQ(actual.RowCount(), expected.RowCount());
  ASSERT_EQ(actual.ColumnCount(), expected.ColumnCount());
  for (int row = 0; row < expected.RowCount(); ++row) {
    for (int column = 0; column < expected.ColumnCount(); ++column) {
      ASSERT_EQ(actual.Cell(column, row), expected.Cell(column, row)) << row << "/" << column;
    }
  }
}

Table ReadOnTheSpot(const std::string& bytes, int columns) {
  Table table("SG_Foto", columns);
  ReadCsvText(table, bytes);
  return table;
}

}  // namespace

TEST(BackgroundReader, largeAndSmallTables_readAsOnTheSpot_inTheirOwnOrder) {
  const std::string large = LargeTableFile(20000, "f");
  const std::string other = LargeTableFile(15000, "r");
  const std::string small = "a;b\r\nc\r\n";
  ASSERT_GE(large.size(), BackgroundReader::kSmallFile);
  Table first("SG_Foto", 6), second("SG_RP", 18), third("SG_Slide", 2);
  BackgroundReader reader;
  reader.Read(first, large);
  reader.Read(second, other);
  reader.Read(third, small);
  // The last one first: each table waits only for its own read.
  ExpectSameTable(third, ReadOnTheSpot(small, 2));
  ExpectSameTable(second, ReadOnTheSpot(other, 18));
  ExpectSameTable(first, ReadOnTheSpot(large, 6));
  EXPECT_EQ(first.Name(), "SG_Foto");
}

TEST(BackgroundReader, firstUseByLookupWriteCopyOrMove_seesTheWholeTable) {
  const std::string bytes = LargeTableFile(20000, "k");
  const Table expected = ReadOnTheSpot(bytes, 3);
  BackgroundReader reader;

  Table looked("SG_Foto", 3);
  reader.Read(looked, bytes);
  EXPECT_EQ(looked.FindRow(0, "k5"), expected.FindRow(0, "k5"));
  EXPECT_EQ(looked.RowsContaining(1, "opis; 1999"), expected.RowsContaining(1, "opis; 1999"));

  Table written("SG_Foto", 3);
  reader.Read(written, bytes);
  written.SetCell(1, 2, "nowy");
  EXPECT_EQ(written.Cell(1, 2), "nowy");
  EXPECT_EQ(written.Cell(0, 2), expected.Cell(0, 2));
  EXPECT_EQ(written.RowCount(), expected.RowCount());

  Table source("SG_Foto", 3);
  reader.Read(source, bytes);
  const Table copy(source);
  ExpectSameTable(copy, expected);
  ExpectSameTable(source, expected);

  Table moved("SG_Foto", 3);
  reader.Read(moved, bytes);
  Table target = std::move(moved);
  ExpectSameTable(target, expected);
}

TEST(BackgroundReader, readerGoneFirst_tableStillComplete_tableGoneFirst_noHarm) {
  const std::string bytes = LargeTableFile(20000, "z");
  Table kept("SG_Foto", 6);
  {
    BackgroundReader reader;
    reader.Read(kept, bytes);
    for (int i = 0; i < 5; ++i) {
      auto dropped = std::make_unique<Table>("SG_RP", 18);
      reader.Read(*dropped, bytes);
    }  // the reads of dropped tables run on and go nowhere
  }
  ExpectSameTable(kept, ReadOnTheSpot(bytes, 6));
}

TEST(BackgroundReader, fileReadOnTheWorker_givesTheSameTable_andItsErrorAtFirstUse) {
  const std::string bytes = LargeTableFile(3000, "p");
  const std::thread::id caller = std::this_thread::get_id();
  std::thread::id readerThread;
  Table read("SG_PK", 33), failed("SG_OChK", 16), after("SG_Eco", 6);
  {
    BackgroundReader reader;
    reader.ReadLater(read, [&] {
      readerThread = std::this_thread::get_id();
      return bytes;
    });
    reader.ReadLater(failed, []() -> std::string { throw std::runtime_error("DB/OCHK.CSV"); });
    reader.ReadLater(after, [&] { return bytes; });
  }
  ExpectSameTable(read, ReadOnTheSpot(bytes, 33));
  EXPECT_NE(readerThread, caller);
  EXPECT_THROW(failed.RowCount(), std::runtime_error);
  // A failed read leaves the table as it was; the reads after it still run.
  EXPECT_EQ(failed.Cell(0, 0), "");
  EXPECT_EQ(failed.ColumnCount(), 16);
  ExpectSameTable(after, ReadOnTheSpot(bytes, 6));
}

TEST(BackgroundReader, contentsArrived_onlyOnceTheReadHasEnded_failedOrNot) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  Table slow("SG_RP", 18), failing("SG_Dic", 3), idle("SG_Bio", 4);
  EXPECT_TRUE(idle.ContentsArrived());  // nothing asked for
  BackgroundReader reader;
  reader.ReadLater(slow, [released] {
    released.wait();
    return std::string("k;v\r\n");
  });
  reader.ReadLater(failing, []() -> std::string { throw std::runtime_error("DB/DICT.CSV"); });
  EXPECT_FALSE(slow.ContentsArrived());
  EXPECT_FALSE(failing.ContentsArrived());  // queued behind the slow one
  release.set_value();
  while (!failing.ContentsArrived()) std::this_thread::yield();
  EXPECT_TRUE(slow.ContentsArrived());
  EXPECT_EQ(slow.Cell(1, 0), "v");
  EXPECT_THROW(failing.RowCount(), std::runtime_error);
  EXPECT_TRUE(failing.ContentsArrived());
}

TEST(BackgroundReader, heldReads_waitForResumeOrForTheFirstUse_andFinishWithTheReader) {
  std::atomic<int> reads{0};
  auto counted = [&reads](std::string bytes) {
    return [&reads, bytes] {
      ++reads;
      return bytes;
    };
  };
  Table resumed("SG_RP", 18), used("SG_PK", 33), orphan("SG_Eco", 6);
  {
    BackgroundReader reader;
    reader.Hold();
    reader.ReadLater(resumed, counted("r;1\r\n"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(reads, 0);
    EXPECT_FALSE(resumed.ContentsArrived());
    reader.Resume();
    EXPECT_EQ(resumed.Cell(1, 0), "1");

    reader.Hold();
    reader.ReadLater(used, counted("p;2\r\n"));
    // Wanted while held: no waiting for a resume that may never come.
    EXPECT_EQ(used.Cell(1, 0), "2");

    reader.Hold();
    reader.ReadLater(orphan, counted("e;3\r\n"));
  }  // the reader goes while its last read is held
  EXPECT_TRUE(orphan.ContentsArrived());
  EXPECT_EQ(orphan.Cell(1, 0), "3");
  EXPECT_EQ(reads, 3);
}
