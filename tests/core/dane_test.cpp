// The main window's table store: loading the nine tables at start-up, both
// forms of Dane with their messages, and the slide-table fix-up.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "app/main_form.h"
#include "tables/catalogue.h"
#include "tables/startup_error.h"
#include "tests/support/fake_platform.h"

using velmora::app::TMainForm;
using velmora::platform::Icon;
using velmora::tables::StartupError;
using velmora::test::FakePlatform;
namespace tables = velmora::tables;

namespace {

const std::string kTableDir = "/disc/DB/";
const std::string kPhotoDir = "/disc/Foto/";

// A disc whose nine tables each hold one row naming the file, then the
// fixtures given.
class TableStore : public ::testing::Test {
 protected:
  void SetUp() override {
    AddMinimalDisc(fake_.files);
    for (const auto& entry : velmora::tables::kCatalogue) {
      fake_.files.files[kTableDir + std::string(entry.fileName)] =
          std::string(entry.fileName) + "\r\n";
    }
  }

  void SetTable(const std::string& fileName, const std::string& bytes) {
    fake_.files.files[kTableDir + fileName] = bytes;
  }

  TMainForm& Start() {
    form_ = std::make_unique<TMainForm>(fake_.platform);
    return *form_;
  }

  FakePlatform fake_;
  std::unique_ptr<TMainForm> form_;
};

// Loading.

TEST_F(TableStore, startUp_loadsEachTableFromItsFile) {
  TMainForm& form = Start();
  EXPECT_EQ(form.CatalogueTable(tables::kReserveTable).Cell(0, 0), "RP.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kParkTable).Cell(0, 0), "PK.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kLandscapeTable).Cell(0, 0), "OCHK.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kPhotoTable).Cell(0, 0), "FOTO.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kEconetTable).Cell(0, 0), "ECONET.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kTranslationTable).Cell(0, 0), "TRANSL.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kDictionaryTable).Cell(0, 0), "DICT.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kBiotopeTable).Cell(0, 0), "BIOTOP.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(0, 0), "SLIDE.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kParkTable).ColumnCount(), 33);
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).RowCount(), 7);
}

TEST_F(TableStore, wideRecordRow_raisesColumnCountOfRP) {
  std::string row = "k";
  for (int i = 1; i < 20; ++i) row += ";" + std::to_string(i);
  SetTable("RP.CSV", row + "\r\n");
  EXPECT_EQ(Start().CatalogueTable(tables::kReserveTable).ColumnCount(), 20);
}

TEST_F(TableStore, unreadableTable_endsStartUpNamingItsPath) {
  fake_.files.files.erase(kTableDir + "DICT.CSV");
  try {
    Start();
    FAIL() << "start-up went on without DICT.CSV";
  } catch (const StartupError& error) {
    EXPECT_NE(std::string(error.what()).find(kTableDir + "DICT.CSV"), std::string::npos)
        << error.what();
  }
}

TEST_F(TableStore, tablesReadOnAnotherThread_startUpWaitsForThemAnsweringMessages) {
  fake_.files.readsFromAnyThread = true;
  std::promise<void> release;
  const std::shared_future<void> released = release.get_future().share();
  std::thread::id reader;
  fake_.files.onRead = [&](const std::string& path) {
    if (path != kTableDir + "PK.CSV") return;
    reader = std::this_thread::get_id();
    // A start-up that stopped answering messages would wait out the limit.
    released.wait_for(std::chrono::seconds(5));
  };
  int answeredWhileWaiting = 0;
  fake_.ui.onWaitForMessages = [&] {
    if (fake_.processes.started.empty()) return;  // the pause before the start-up program
    if (answeredWhileWaiting++ == 0) release.set_value();
  };
  TMainForm& form = Start();
  form.FormShow();
  EXPECT_GE(answeredWhileWaiting, 1);
  EXPECT_NE(reader, std::this_thread::get_id());
  EXPECT_GE(fake_.files.backgroundReads, 1);
  EXPECT_EQ(form.CatalogueTable(tables::kParkTable).Cell(0, 0), "PK.CSV");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(0, 0), "SLIDE.CSV");
}

TEST_F(TableStore, tablesReadOnAnotherThread_areReadAfterTheStartUpPause) {
  // The start page has the pause to itself: no table file is read before it
  // ends.
  fake_.files.readsFromAnyThread = true;
  std::atomic<int> pauseWaits{0}, fewestWaitsAtARead{1000000}, reads{0};
  const std::thread::id startUp = std::this_thread::get_id();
  fake_.files.onRead = [&](const std::string&) {
    if (std::this_thread::get_id() == startUp) return;
    ++reads;
    int fewest = fewestWaitsAtARead;
    while (pauseWaits < fewest && !fewestWaitsAtARead.compare_exchange_weak(fewest, pauseWaits)) {
    }
  };
  fake_.ui.onWaitForMessages = [&] {
    if (!fake_.processes.started.empty()) return;  // past the pause
    ++pauseWaits;
    // Slow enough for a reader that did not wait to read meanwhile.
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  };
  TMainForm& form = Start();
  form.FormShow();
  EXPECT_EQ(reads, 8);  // all but the slide table
  EXPECT_GT(pauseWaits, 0);
  EXPECT_EQ(fewestWaitsAtARead, pauseWaits);
  EXPECT_EQ(form.CatalogueTable(tables::kBiotopeTable).Cell(0, 0), "BIOTOP.CSV");
}

TEST_F(TableStore, tableFailingOnAnotherThread_endsStartUpWhenItIsWaitedFor) {
  fake_.files.readsFromAnyThread = true;
  // There when looked for, gone when read.
  fake_.files.onRead = [&](const std::string& path) {
    if (path == kTableDir + "BIOTOP.CSV") fake_.files.DeleteFile(path);
  };
  TMainForm& form = Start();
  try {
    form.FormShow();
    FAIL() << "start-up went on without BIOTOP.CSV";
  } catch (const StartupError& error) {
    EXPECT_NE(std::string(error.what()).find(kTableDir + "BIOTOP.CSV"), std::string::npos);
  }
}

// Dane, exact form.

TEST_F(TableStore, exactForm_returnsColumnOfFirstRowWithKey) {
  SetTable("TRANSL.CSV", "a;1\r\nb;2\r\nb;3\r\nB;4\r\n");
  TMainForm& form = Start();
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "b", 2, 0), "2");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "B", 2, 0), "4");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "b", 1, 0), "b");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "2", 1, 1), "b");
  EXPECT_TRUE(fake_.ui.messages.empty());
}

TEST_F(TableStore, exactForm_matchesWholeTextOnly) {
  SetTable("TRANSL.CSV", "abc;1\r\n");
  TMainForm& form = Start();
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "ab", 2, 0), "");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "abc ", 2, 0), "");
}

TEST_F(TableStore, exactForm_emptyKeyMatchesFirstEmptyKeyCell) {
  SetTable("TRANSL.CSV", "a;1\r\n;2\r\n;3\r\n");
  TMainForm& form = Start();
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "", 2, 0), "2");
}

TEST_F(TableStore, missingKeyOrColumnBeyondCount_giveEmptyWithoutMessage) {
  SetTable("TRANSL.CSV", "a;1\r\n");
  TMainForm& form = Start();
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "zz", 2, 0), "");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "a", 9, 0), "");
  // The column count itself is accepted as key column; its cells are empty.
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "", 1, 2), "a");
  EXPECT_TRUE(fake_.ui.messages.empty());
}

// Dane, messages of both forms.

TEST_F(TableStore, nrKolZero_showsMessageAndReturnsEmpty) {
  TMainForm& form = Start();
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "TRANSL.CSV", 0, 0), "");
  ASSERT_EQ(fake_.ui.messages.size(), 1u);
  EXPECT_EQ(fake_.ui.messages[0].text, "Dane(nrKol) = 0");
  EXPECT_EQ(fake_.ui.messages[0].caption, "Error");
  EXPECT_EQ(fake_.ui.messages[0].icon, Icon::Stop);
}

TEST_F(TableStore, keyColumnOutsideTable_showsColumnCount) {
  TMainForm& form = Start();
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "TRANSL.CSV", 1, 3), "");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kTranslationTable), "TRANSL.CSV", 1, -1), "");
  ASSERT_EQ(fake_.ui.messages.size(), 2u);
  for (const auto& message : fake_.ui.messages) {
    EXPECT_EQ(message.text, "Tablica SG_Trans posiada 2 kolumn.");
    EXPECT_EQ(message.caption, "Error - za du\xBFy index do kolum.");
    EXPECT_EQ(message.icon, Icon::Stop);
  }
}

TEST_F(TableStore, searchForm_reportsSameMessagesAndLeavesRow) {
  TMainForm& form = Start();
  int row = 2;
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kDictionaryTable), "x", -4, 1, row), "");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kDictionaryTable), "x", 1, 4, row), "");
  EXPECT_EQ(row, 2);
  ASSERT_EQ(fake_.ui.messages.size(), 2u);
  EXPECT_EQ(fake_.ui.messages[0].text, "Dane(nrKol) = -4");
  EXPECT_EQ(fake_.ui.messages[1].text, "Tablica SG_Dic posiada 3 kolumn.");
}

// Dane, search form.

TEST_F(TableStore, searchForm_findsWordInCapitalsInsideLongerText) {
  SetTable("DICT.CSV", "k0;woda;d\r\nk1;g\xEAsty las li\xB6\x63iasty;d\r\nk2;las;d\r\n");
  TMainForm& form = Start();
  int row = 0;
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kDictionaryTable), "LAS", 1, 1, row), "k1");
  EXPECT_EQ(row, 1);
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kDictionaryTable), "LAS", 1, 1, row), "k1");
  EXPECT_EQ(row, 1);
  ++row;
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kDictionaryTable), "LAS", 1, 1, row), "k2");
  EXPECT_EQ(row, 2);
}

TEST_F(TableStore, searchForm_noMatchLeavesRowAtRowCount) {
  SetTable("DICT.CSV", "k0;woda;d\r\n");
  TMainForm& form = Start();
  int row = 0;
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kDictionaryTable), "las", 1, 1, row), "");
  EXPECT_EQ(row, form.CatalogueTable(tables::kDictionaryTable).RowCount());
}

TEST_F(TableStore, searchForm_lowerCasesPolishCapitalsOfBothCodePages) {
  // Cells are ISO-8859-2, the word Windows-1250: "łąka" holds ą (ISO 0xB1),
  // "ŚWIAT" holds Ś (ISO 0xA6); the word "ŁĄKA" is 0xA3 0xA5 in Windows-1250.
  SetTable("DICT.CSV", "k0;\xA6WIAT;d\r\nk1;mokra \xB3\xB1ka;d\r\n");
  TMainForm& form = Start();
  int row = 0;
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kDictionaryTable), "\xA3\xA5KA", 1, 1, row),
            "k1");
  row = 0;
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kDictionaryTable), "\x9Cwiat", 1, 1, row), "k0");
}

TEST_F(TableStore, searchForm_negativeRowStartsAtFirstRow) {
  SetTable("DICT.CSV", "k0;las;d\r\n");
  TMainForm& form = Start();
  int row = -5;
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kDictionaryTable), "las", 1, 1, row), "k0");
  EXPECT_EQ(row, 0);
}

// ResolveSlidePictures.

TEST_F(TableStore, slidePictures_preferFThenMThenLeaveName) {
  SetTable("SLIDE.CSV", "x;x;y;z\r\n");
  fake_.files.files[kPhotoDir + "fx.jpg"] = "";
  fake_.files.files[kPhotoDir + "mx.jpg"] = "";
  fake_.files.files[kPhotoDir + "my.jpg"] = "";
  TMainForm& form = Start();
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(0, 0),
            "x");  // the show's name is never touched
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(1, 0), "fx");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(2, 0), "my");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(3, 0), "z");
}

TEST_F(TableStore, slidePictures_rewrittenCellsAreWhatDaneFinds) {
  SetTable("SLIDE.CSV", "s1;x;y\r\ns2;y\r\n");
  fake_.files.files[kPhotoDir + "fy.jpg"] = "";
  TMainForm& form = Start();
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kSlideTable), "s2", 2, 0), "fy");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kSlideTable), "fy", 1, 1), "s2");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kSlideTable), "y", 1, 2), "");
  EXPECT_EQ(form.Dane(form.CatalogueTable(tables::kSlideTable), "x", 1, 1), "s1");
}

TEST_F(TableStore, slidePictures_emptyCellsStayEmptyInEveryRow) {
  SetTable("SLIDE.CSV", "s1;;a\r\ns2;b;\r\n");
  fake_.files.files[kPhotoDir + "f.jpg"] = "";
  fake_.files.files[kPhotoDir + "fa.jpg"] = "";
  fake_.files.files[kPhotoDir + "mb.jpg"] = "";
  TMainForm& form = Start();
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(1, 0), "");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(2, 0), "fa");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(1, 1), "mb");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(2, 1), "");
}

}  // namespace
