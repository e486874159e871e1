// Dictionary lookups of both dictionaries, with definitions kept in their
// own ".dic" files.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form.h"
#include "tests/support/fake_platform.h"

using velmora::app::TMainForm;
using velmora::navigation::DefinitionKind;
using velmora::test::FakePlatform;

namespace {

const std::string kTableDir = "/disc/DB/";
const std::string kMissingDefinition = " - w s\xB3owniku brakuje definicji tego s\xB3owa!";

class Dictionary : public ::testing::Test {
 protected:
  void SetUp() override { AddMinimalDisc(fake_.files); }

  void SetFile(const std::string& name, const std::string& bytes) {
    fake_.files.files[kTableDir + name] = bytes;
  }

  TMainForm& Start() {
    form_ = std::make_unique<TMainForm>(fake_.platform);
    return *form_;
  }

  FakePlatform fake_;
  std::unique_ptr<TMainForm> form_;
};

// General dictionary.

TEST_F(Dictionary, headwordAndDefinition_areJoinedWithoutBlank) {
  SetFile("DICT.CSV", "las;Las;teren poro\xB6ni\xEAty drzewami\r\n");
  EXPECT_EQ(Start().LookupDefinition(DefinitionKind::Dictionary, "las"),
            "<b>Las</b>teren poro\xB6ni\xEAty drzewami");
}

TEST_F(Dictionary, fileMarker_readsTheDicFileWithLinesJoined) {
  SetFile("DICT.CSV", "las;Las;zobacz <--file--> dalej\r\nbor;Bor;<--file-->\r\n");
  SetFile("las.dic", "ab\r\ncd\r\n");
  SetFile("bor.dic", "a\nb\rc");
  TMainForm& form = Start();
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Dictionary, "las"), "<b>Las</b>abcd");
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Dictionary, "bor"), "<b>Bor</b>abc");
}

TEST_F(Dictionary, emptyDicFile_givesTheHeadwordAlone) {
  SetFile("DICT.CSV", "las;Las;<--file-->\r\n");
  SetFile("las.dic", "");
  EXPECT_EQ(Start().LookupDefinition(DefinitionKind::Dictionary, "las"), "<b>Las</b>");
}

TEST_F(Dictionary, missingDicFile_neverShowsWhatTheBufferHeldBefore) {
  SetFile("DICT.CSV", "las;Las;<--file-->\r\n");
  // The title strip is made in the buffer the definitions are read into.
  fake_.files.files["/disc/Makiety/title.html"] = "last search page";
  TMainForm& form = Start();
  form.ShowTitleStrip("topic");
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Dictionary, "las"),
            "<b>Las</b>" + kMissingDefinition);
}

TEST_F(Dictionary, emptyDefinition_saysTheDefinitionIsMissing) {
  SetFile("DICT.CSV", "las;Las;\r\n");
  EXPECT_EQ(Start().LookupDefinition(DefinitionKind::Dictionary, "las"),
            "<b>Las</b>" + kMissingDefinition);
}

TEST_F(Dictionary, emptyHeadwordOrUnknownWord_countAsMissing) {
  SetFile("DICT.CSV", "las;;definicja\r\n");
  TMainForm& form = Start();
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Dictionary, "las"), "");
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Dictionary, "bor"), "");
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Dictionary, ""), "");
}

TEST_F(Dictionary, keyWordsDifferingInCase_areDifferentEntries) {
  SetFile("DICT.CSV", "las;las ma\xB3y;d1\r\nLas;Las du\xBFy;d2\r\n");
  TMainForm& form = Start();
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Dictionary, "las"), "<b>las ma\xB3y</b>d1");
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Dictionary, "Las"), "<b>Las du\xBFy</b>d2");
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Dictionary, "LAS"), "");
}

// Biotope dictionary.

TEST_F(Dictionary, biotope_showsNameLatinNameAndNote) {
  SetFile("BIOTOP.CSV", "b1;a;b;x;x;x;c\r\nb2;a;;x;x;x;c\r\nb3;a;b\r\nb4;a\r\n");
  TMainForm& form = Start();
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Biotope, "b1"), "<b>a</b> <i>b</i> - c");
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Biotope, "b2"), "<b>a</b> - c");
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Biotope, "b3"), "<b>a</b> <i>b</i>");
  EXPECT_EQ(form.LookupDefinition(DefinitionKind::Biotope, "b4"), "<b>a</b>");
}

TEST_F(Dictionary, biotopeWithEmptyName_countsAsMissing) {
  SetFile("BIOTOP.CSV", "b1;;b;x;x;x;c\r\n");
  EXPECT_EQ(Start().LookupDefinition(DefinitionKind::Biotope, "b1"), "");
}

}  // namespace
