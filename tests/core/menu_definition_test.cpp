// MENU.CSV: the reading rules of the menu definition, its messages at
// start-up, the errors that end the start-up, and the diagnostic dump.
#include "tables/menu_definition.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form.h"
#include "tables/startup_error.h"
#include "tests/support/fake_platform.h"

using velmora::app::TMainForm;
using velmora::platform::Icon;
using velmora::tables::StartupError;
using velmora::test::FakePlatform;
using namespace velmora::tables;

namespace {

const std::string kTooFew =
    "Warto\x9C\xE6 iloscTypowMenu za du\xBF"
    "a: ";
const std::string kTooMany =
    "Warto\x9C\xE6 iloscTypowMenu za ma\xB3"
    "a: ";
const std::string kPageTooLarge =
    "Warto\x9C\xE6 iloscPlikowMenu za ma\xB3"
    "a: ";

// n lines "m<j>;" after the given first lines, CR LF ended.
std::string Lines(const std::string& first, int total) {
  std::string text = first;
  int written = 0;
  for (char c : first) written += c == '\n';
  for (int j = written; j < total; ++j) text += "m" + std::to_string(j) + ";\r\n";
  return text;
}

struct Read {
  MenuNames typMenu;
  MenuPageMap plikMenu;
  MenuReadResult result;
  explicit Read(const std::string& bytes) {
    typMenu.fill("stale");
    plikMenu.fill(5);
    result = ReadMenuDefinition(bytes, typMenu, plikMenu);
  }
};

// --- Reading rules ---

TEST(MenuDefinitionRead, fullFile_noMessage) {
  const Read read(Lines("start;1;\r\n", 82));
  EXPECT_TRUE(read.result.messages.empty());
  EXPECT_EQ(read.typMenu[81], "m81");
  EXPECT_EQ(read.plikMenu[1], 0);
  EXPECT_EQ(read.plikMenu[2], -1);
}

TEST(MenuDefinitionRead, fewerLines_warnsWithCapacityAndCountAndReadsAll) {
  const Read read(Lines("", 81));
  ASSERT_EQ(read.result.messages.size(), 1u);
  EXPECT_EQ(read.result.messages[0], kTooFew + "82 / 81");
  EXPECT_EQ(read.typMenu[80], "m80");
  EXPECT_EQ(read.typMenu[81], " ");
}

TEST(MenuDefinitionRead, emptyFile_warnsWithZeroAndLeavesEverythingCleared) {
  const Read read("");
  ASSERT_EQ(read.result.messages.size(), 1u);
  EXPECT_EQ(read.result.messages[0], kTooFew + "82 / 0");
  for (const std::string& name : read.typMenu) EXPECT_EQ(name, " ");
  for (int menu : read.plikMenu) EXPECT_EQ(menu, -1);
}

TEST(MenuDefinitionRead, blankLineInMiddle_endsReadingSilently) {
  const Read read(Lines("a;1;\r\n\r\nb;2;\r\n", 82));
  EXPECT_TRUE(read.result.messages.empty());
  EXPECT_EQ(read.typMenu[0], "a");
  EXPECT_EQ(read.typMenu[2], " ");
  EXPECT_EQ(read.plikMenu[2], -1);
}

TEST(MenuDefinitionRead, lineWithoutNameOrSemicolon_endsReading) {
  EXPECT_EQ(Read(Lines("a;1\r\n;2;\r\nb;3\r\n", 82)).plikMenu[3], -1);
  EXPECT_EQ(Read(Lines("a;1\r\nnosemicolon\r\nb;3\r\n", 82)).plikMenu[3], -1);
}

TEST(MenuDefinitionRead, emptyFieldsSkipped_withOrWithoutFinalSemicolon) {
  const Read read(Lines("start;1;;2;\r\nx;3\r\ny\xB3 Z ;\r\n", 82));
  EXPECT_EQ(read.typMenu[0], "start");
  EXPECT_EQ(read.plikMenu[1], 0);
  EXPECT_EQ(read.plikMenu[2], 0);
  EXPECT_EQ(read.plikMenu[3], 1);
  // Stored as written, case and blanks unchanged; a menu without pages.
  EXPECT_EQ(read.typMenu[2], "y\xB3 Z ");
}

TEST(MenuDefinitionRead, pageOnTwoLines_laterLineWins) {
  const Read read(Lines("a;7;\r\nb;7;\r\n", 82));
  EXPECT_EQ(read.plikMenu[7], 1);
}

TEST(MenuDefinitionRead, lineEndsOfAnyKind) {
  const Read read("a;1\nb;2\rc;3\r\n");
  EXPECT_EQ(read.result.messages[0], kTooFew + "82 / 3");
  EXPECT_EQ(read.plikMenu[3], 2);
}

TEST(MenuDefinitionRead, eightyThirdLine_stopsWithTotalLineCount) {
  const Read read(Lines("", 85));
  ASSERT_EQ(read.result.messages.size(), 1u);
  EXPECT_EQ(read.result.messages[0], kTooMany + "85");
  EXPECT_EQ(read.typMenu[81], "m81");
}

TEST(MenuDefinitionRead, pageOf1000_stopsWithNumberAndKeepsEarlierPages) {
  const Read read(Lines("a;998;999;1000;5;\r\nb;6;\r\n", 82));
  ASSERT_EQ(read.result.messages.size(), 1u);
  EXPECT_EQ(read.result.messages[0], kPageTooLarge + "1000");
  EXPECT_EQ(read.plikMenu[998], 0);
  EXPECT_EQ(read.plikMenu[999], 0);
  EXPECT_EQ(read.plikMenu[5], -1);
  EXPECT_EQ(read.typMenu[1], " ");
}

TEST(MenuDefinitionRead, pageZeroStored_negativePageSkippedWithoutWrite) {
  const Read read(Lines("a;0;-1;-5;4;\r\n", 82));
  EXPECT_TRUE(read.result.messages.empty());
  EXPECT_FALSE(read.result.badField);
  EXPECT_EQ(read.plikMenu[0], 0);
  EXPECT_EQ(read.plikMenu[4], 0);
}

TEST(MenuDefinitionRead, nonNumericField_stopsWithErrorNamingLineAndField) {
  const Read blank(Lines("a;1;\r\nb;2; ;3\r\n", 82));
  ASSERT_TRUE(blank.result.badField);
  EXPECT_NE(blank.result.badField->find("line 2"), std::string::npos);
  EXPECT_NE(blank.result.badField->find("\" \""), std::string::npos);
  EXPECT_EQ(blank.plikMenu[2], 1);
  EXPECT_EQ(blank.plikMenu[3], -1);

  EXPECT_TRUE(Read(Lines("a;12x;\r\n", 82)).result.badField);
  EXPECT_TRUE(Read(Lines("a;99999999999;\r\n", 82)).result.badField);
}

// --- MenuForPage ---

TEST(MenuForPage, numberMappedToItsMenu_elseEmpty) {
  const Read read(Lines("start;0;1;\r\nlas;123;999;\r\n", 82));
  EXPECT_EQ(MenuForPage(read.typMenu, read.plikMenu, "123"), "las");
  EXPECT_EQ(MenuForPage(read.typMenu, read.plikMenu, "999"), "las");
  EXPECT_EQ(MenuForPage(read.typMenu, read.plikMenu, "1"), "start");
  EXPECT_EQ(MenuForPage(read.typMenu, read.plikMenu, "0"), "");  // page 0 never has a menu
  EXPECT_EQ(MenuForPage(read.typMenu, read.plikMenu, "124"), "");
  EXPECT_EQ(MenuForPage(read.typMenu, read.plikMenu, "index"), "");
  EXPECT_EQ(MenuForPage(read.typMenu, read.plikMenu, ""), "");
  EXPECT_EQ(MenuForPage(read.typMenu, read.plikMenu, "1000"), "");
  EXPECT_EQ(MenuForPage(read.typMenu, read.plikMenu, "-1"), "");
}

// --- Start-up ---

class LoadDaneMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    AddMinimalDisc(fake_.files);
    fake_.files.files["/disc/DB/MENU.CSV"] = Lines("start;799;\r\n", 82);
    fake_.files.files["/disc/DB/DRZEWO1.CSV"] = "1;a.htm\r\n";
  }
  TMainForm& Start() {
    form_ = std::make_unique<TMainForm>(fake_.platform);
    return *form_;
  }
  FakePlatform fake_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(LoadDaneMenu, startUp_fillsMembersWithoutMessage) {
  TMainForm& form = Start();
  EXPECT_EQ(form.MenuForPage("799"), "start");
  EXPECT_TRUE(fake_.ui.messages.empty());
}

TEST_F(LoadDaneMenu, messagesShownWithMenuCaptionAndErrorIcon) {
  fake_.files.files["/disc/DB/MENU.CSV"] = "a;1000;\r\n";
  Start();
  ASSERT_EQ(fake_.ui.messages.size(), 2u);
  EXPECT_EQ(fake_.ui.messages[0].text, kTooFew + "82 / 1");
  EXPECT_EQ(fake_.ui.messages[1].text, kPageTooLarge + "1000");
  for (const auto& message : fake_.ui.messages) {
    EXPECT_EQ(message.caption, "Wczytywanie Menu");
    EXPECT_EQ(message.icon, Icon::Stop);
  }
}

TEST_F(LoadDaneMenu, missingFile_endsStartUpNamingIt) {
  fake_.files.files.erase("/disc/DB/MENU.CSV");
  try {
    Start();
    FAIL() << "start-up went on";
  } catch (const StartupError& error) {
    EXPECT_NE(std::string(error.what()).find("/disc/DB/MENU.CSV"), std::string::npos);
  }
}

TEST_F(LoadDaneMenu, nonNumericPage_endsStartUpNamingFileAndField) {
  fake_.files.files["/disc/DB/MENU.CSV"] = Lines("start;7a;\r\n", 82);
  try {
    Start();
    FAIL() << "start-up went on";
  } catch (const StartupError& error) {
    const std::string what = error.what();
    EXPECT_NE(what.find("/disc/DB/MENU.CSV"), std::string::npos) << what;
    EXPECT_NE(what.find("\"7a\""), std::string::npos) << what;
  }
}

TEST_F(LoadDaneMenu, button1_dumpsAllMenuNamesIntoMemo2) {
  TMainForm& form = Start();
  form.Button1Click();
  const std::string memo = fake_.ui.texts["Memo2"];
  EXPECT_EQ(memo.rfind("----------typMenu[]------------\r\n0, start\r\n1, m1\r\n", 0), 0u) << memo;
  EXPECT_NE(memo.find("\r\n81, m81\r\n"), std::string::npos);
}

TEST_F(LoadDaneMenu, button14_togglesMemo2) {
  TMainForm& form = Start();
  form.Button14Click();
  EXPECT_TRUE(fake_.ui.visible["Memo2"]);
  form.Button14Click();
  EXPECT_FALSE(fake_.ui.visible["Memo2"]);
}

}  // namespace
