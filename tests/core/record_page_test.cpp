// Record pages as a record link produces them: the generated files of the
// four kinds compared with reviewed expected pages, and the rules of filling
// a template from a table row.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "pages/page_buffer.h"
#include "tests/support/fake_record_disc.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

const std::string kCaption = "Make Dynamic Error";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// --- Expected pages
//
// Each folder of tests/data/records holds a disc (disc/), the link clicked
// (link), the page the browser is sent to (shown) and the expected generated
// files (expected/). VELMORA_UPDATE_GOLDEN=1 rewrites the expected files,
// which are then reviewed by eye.

class ExpectedRecordPage : public ::testing::TestWithParam<std::string> {};

TEST_P(ExpectedRecordPage, generatedPageMatchesExpectedFile) {
  const fs::path dir = fs::path(VELMORA_TEST_DATA) / "records" / GetParam();
  FakeRecordDisc disc;
  for (const auto& entry : fs::recursive_directory_iterator(dir / "disc")) {
    if (entry.is_regular_file()) {
      disc.Put(fs::relative(entry.path(), dir / "disc").string(), ReadBytes(entry.path()));
    }
  }
  app::TMainForm& form = disc.Start();

  bool cancel = false;
  form.MainWebBrowserBeforeNavigate2(FirstLine(ReadBytes(dir / "link")), cancel);

  EXPECT_TRUE(cancel);
  EXPECT_TRUE(disc.fake.ui.messages.empty()) << disc.fake.ui.messages.front().text;
  EXPECT_EQ(disc.MainBrowser().navigations,
            std::vector<std::string>{form.Paths().workDir + FirstLine(ReadBytes(dir / "shown"))});
  const bool update = std::getenv("VELMORA_UPDATE_GOLDEN") != nullptr;
  for (const auto& entry : fs::directory_iterator(dir / "expected")) {
    const std::string name = entry.path().filename().string();
    ASSERT_TRUE(disc.Generated(name)) << name;
    if (update) std::ofstream(entry.path(), std::ios::binary) << disc.Page(name);
    EXPECT_EQ(disc.Page(name), pages::WithCrLfLineEnds(ReadBytes(entry.path()))) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Records, ExpectedRecordPage,
                         ::testing::Values("reserve_empty_column", "reserve_without_row",
                                           "landscape_park_cut_column",
                                           "protected_landscape_cut_column", "econet_corridor"));

// --- Filling a template

class RecordPage : public ::testing::Test {
 protected:
  // Generates the page of the link from the template and returns the file.
  std::string Generate(const std::string& templateName, const std::string& templateText,
                       const std::string& marker, const std::string& key) {
    disc.Put("Makiety/" + templateName, templateText);
    disc.Start().MakeDynamicPage(key, marker);
    const std::string stem = marker == "?rp" ? "RP_" : marker == "?pk" ? "PK_" : "OChK_";
    return disc.Page("$$" + stem + key + ".html");
  }
  std::string Reserve(const std::string& templateText, const std::string& key = "1") {
    return Generate("rp.html", templateText, "?rp", key);
  }
  std::string Messages() {
    std::string all;
    for (const RecordedMessage& message : disc.fake.ui.messages) {
      all += message.text + " | " + message.caption + "\n";
    }
    return all;
  }

  FakeRecordDisc disc;
};

TEST_F(RecordPage, everyOccurrenceOfAPlaceholderIsFilled) {
  disc.Put("DB/RP.CSV", "1;Las\r\n");
  EXPECT_EQ(Reserve("@kol2@ @kol2@ @kol2@"), "Las Las Las");
}

TEST_F(RecordPage, valueHoldingItsOwnPlaceholder_isInsertedOnce) {
  disc.Put("DB/RP.CSV", "1;<@kol2@>;x\r\n");
  EXPECT_EQ(Reserve("[@kol2@][@kol2@]"), "[<@kol2@>][<@kol2@>]");
}

TEST_F(RecordPage, valueHoldingALaterPlaceholder_isFilledWhenThatColumnComes) {
  disc.Put("DB/RP.CSV", "1;a @kol3@;b\r\n");
  EXPECT_EQ(Reserve("@kol2@"), "a b");
}

TEST_F(RecordPage, placeholdersInOtherCaseOrBeyondTheColumns_stay) {
  disc.Put("DB/RP.CSV", "1;a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s;t\r\n");
  EXPECT_EQ(Reserve("@KOL2@ @kol10@ @kol18@ @kol19@ @kol0@ @kol02@"),
            "@KOL2@ i q @kol19@ @kol0@ @kol02@");
}

TEST_F(RecordPage, keyIsMatchedExactly) {
  disc.Put("DB/RP.CSV", "12;dwanascie\r\n1;jeden\r\nA;duze\r\n");
  EXPECT_EQ(Reserve("@kol2@", "1"), "jeden");
  EXPECT_EQ(Reserve("@kol2@", "a"), "");
}

TEST_F(RecordPage, emptyValueWithoutRowStart_removesOnlyThePlaceholder) {
  disc.Put("DB/RP.CSV", "1;;b\r\n");
  EXPECT_EQ(Reserve("<P>x@kol2@y</P><TR><TD>@kol3@</TD></TR>"), "<P>xy</P><TR><TD>b</TD></TR>");
}

TEST_F(RecordPage, emptyValueInRowWithoutRowEnd_removesThePlaceholderAndEnds) {
  disc.Put("DB/RP.CSV", "1;;b\r\n");
  EXPECT_EQ(Reserve("<TR><TD>@kol2@|@kol2@|@kol3@</TD>"), "<TR><TD>||b</TD>");
}

TEST_F(RecordPage, emptyValueInSeveralRows_removesEachRow) {
  disc.Put("DB/RP.CSV", "1;a;\r\n");
  EXPECT_EQ(Reserve("<TR>@kol3@</TR><TR>@kol2@</TR><TR>@kol3@</TR>"), " </TR><TR>a</TR> </TR>");
}

TEST_F(RecordPage, rowInLowerCase_isNeverRemoved) {
  disc.Put("DB/RP.CSV", "1;\r\n");
  EXPECT_EQ(Reserve("<tr><td>@kol2@</td></tr>"), "<tr><td></td></tr>");
}

TEST_F(RecordPage, shortenedColumns_keepTheTextBeforeTheFirstCommaBlank) {
  const std::string three = "lasy, laki, olsy";
  std::string pkRow = "5";
  for (int n = 2; n <= 33; ++n) pkRow += ";" + three;
  disc.Put("DB/PK.CSV", pkRow + "\r\n");
  EXPECT_EQ(Generate("pk.html", "@kol10@|@kol21@|@kol22@", "?pk", "5"),
            "lasy, laki, olsy|lasy|lasy, laki, olsy");

  std::string okRow = "5";
  for (int n = 2; n <= 16; ++n) okRow += ";" + three;
  disc.Put("DB/OCHK.CSV", okRow + "\r\n");
  EXPECT_EQ(Generate("OCHK.html", "@kol10@|@kol15@", "?ok", "5"), three + "|lasy");

  disc.Put("DB/RP.CSV", "5;;;;;;;;" + three + ";" + three + ";a,b,c\r\n");
  EXPECT_EQ(Reserve("@kol9@|@kol10@|@kol11@", "5"), three + "|lasy|a,b,c");
}

TEST_F(RecordPage, columnThatIsOnlyACommaBlank_leavesAnEmptyCellInItsRow) {
  disc.Put("DB/RP.CSV", "1;;;;;;;;;, x\r\n");
  EXPECT_EQ(Reserve("<TR>@kol10@</TR>"), "<TR></TR>");
}

TEST_F(RecordPage, pathPlaceholders_becomeFullPaths) {
  disc.Put("DB/RP.CSV", "1;a\r\n");
  EXPECT_EQ(Reserve("<IMG SRC=\"f.jpg\"><IMG SRC=m.jpg><A HREF=\"http://db?path12.htm\">"),
            "<IMG SRC=\"/disc/Makiety/f.jpg\"><IMG SRC=/disc/Makiety/m.jpg>"
            "<A HREF=\"/disc/Data/12.htm\">");
}

TEST_F(RecordPage, samePageTwice_overwritesItsFile_otherKeysGetTheirOwn) {
  disc.Put("DB/RP.CSV", "1;jeden\r\n2;dwa\r\n");
  app::TMainForm& form = disc.Start();
  disc.Put("Makiety/rp.html", "@kol2@");
  form.MakeDynamicPage("1", "?rp");
  disc.Put("Makiety/rp.html", "<b>@kol2@</b>");
  form.MakeDynamicPage("1", "?rp");
  form.MakeDynamicPage("2", "?rp");
  EXPECT_EQ(disc.Page("$$RP_1.html"), "<b>jeden</b>");
  EXPECT_EQ(disc.Page("$$RP_2.html"), "<b>dwa</b>");
  EXPECT_EQ(disc.MainBrowser().navigations.size(), 3u);
  EXPECT_EQ(disc.MainBrowser().navigations.back(), form.Paths().workDir + "$$RP_2.html");
}

// --- Failures

TEST_F(RecordPage, emptyKey_isAnUnknownLinkAndNothingIsWritten) {
  disc.Put("Makiety/rp.html", "x");
  app::TMainForm& form = disc.Start();
  EXPECT_TRUE(form.OpenRecordLink("http://db?rp", "?rp"));
  EXPECT_EQ(Messages(), "Nieznany link: ?rp | " + kCaption + "\n");
  EXPECT_EQ(disc.fake.ui.messages.front().icon, platform::Icon::Stop);
  EXPECT_FALSE(disc.Generated("$$RP_.html"));
  EXPECT_TRUE(disc.MainBrowser().navigations.empty());
}

TEST_F(RecordPage, markerOfNoKind_cannotHappen) {
  disc.Start().MakeDynamicPage("1", "?pn");
  EXPECT_EQ(Messages(), "Nie ma prawa si\xEA wydarzy\xE6: 0 | " + kCaption + "\n");
  EXPECT_TRUE(disc.MainBrowser().navigations.empty());
}

TEST_F(RecordPage, missingTemplate_isNamedAndNothingIsWritten) {
  app::TMainForm& form = disc.Start();
  form.MakeDynamicPage("1", "?pk");
  EXPECT_EQ(Messages(), "Brak pliku: /disc/Makiety/pk.html | " + kCaption + "\n");
  EXPECT_FALSE(disc.Generated("$$PK_1.html"));
  EXPECT_TRUE(disc.MainBrowser().navigations.empty());
}

// --- The record link

TEST_F(RecordPage, recordLink_takesTheKeyAfterTheFirstMarkerAsReceived) {
  disc.Put("DB/OCHK.CSV", "Ab?ok1;nazwa\r\n");
  disc.Put("Makiety/OCHK.html", "@kol2@");
  app::TMainForm& form = disc.Start();
  EXPECT_TRUE(form.OpenRecordLink("http://db?okAb?ok1", "?ok"));
  EXPECT_EQ(disc.Page("$$OChK_Ab%3Fok1.html"), "nazwa");
  EXPECT_FALSE(form.OpenRecordLink("http://db?OK1", "?ok"));
  EXPECT_FALSE(form.OpenRecordLink("http://db?rp1", "?ok"));
  EXPECT_EQ(disc.MainBrowser().navigations.size(), 1u);
}

// --- ECONET

class EconetPage : public RecordPage {
 protected:
  void SetUp() override {
    disc.Put("DB/ECONET.CSV",
             "1K;Wezel;;;;\r\n1M;Wezel M\r\n1k;Korytarz\r\n1x;Inny\r\n[BD];Duze\r\n");
    disc.Put("Makiety/econet.html", "<!--@opis@-->|@kol2@");
    disc.Put("Makiety/econet_fr.html", "frames");
  }
  std::string Econet(const std::string& key) {
    disc.Start().MakeDynamicPage(key, "?ec");
    return disc.Page("$$econet.html");
  }
};

TEST_F(EconetPage, titleLine_namesTheAreaTypeByTheKeysLastCharacter) {
  EXPECT_EQ(Econet("1K"), "   1K - Krajowy obszar w\xEAz\xB3owy Wezel|Wezel");
  EXPECT_EQ(Econet("1M"),
            "   1M - Mi\xEA"
            "dzynarodowy obszar w\xEAz\xB3owy Wezel M|Wezel M");
  EXPECT_EQ(Econet("1k"), "   1k - Krajowy korytarz ekologiczny Korytarz|Korytarz");
  EXPECT_EQ(Econet("9m"),
            "   9m - Mi\xEA"
            "dzynarodowy korytarz ekologiczny |");
  EXPECT_EQ(Econet("1x"), "   1xInny|Inny");
}

TEST_F(EconetPage, pageIsShownThroughTheFramePage) {
  Econet("1K");
  EXPECT_EQ(disc.MainBrowser().navigations,
            std::vector<std::string>{disc.form->Paths().workDir + "econet_fr.html"});
  EXPECT_TRUE(disc.fake.ui.messages.empty());
}

TEST_F(EconetPage, missingFramePage_isReportedWithItsPath) {
  disc.fake.files.files.erase("/disc/Makiety/econet_fr.html");
  Econet("1K");
  EXPECT_EQ(Messages(),
            "Brak pliku: " + disc.form->Paths().workDir + "econet_fr.html | " + kCaption + "\n");
  EXPECT_TRUE(disc.MainBrowser().navigations.empty());
  EXPECT_TRUE(disc.Generated("$$econet.html"));
}

TEST_F(EconetPage, overviewKey_showsDataPage901_onlyInLowerCase) {
  disc.Start().MakeDynamicPage("[bd]", "?ec");
  EXPECT_EQ(disc.MainBrowser().navigations, std::vector<std::string>{"/disc/Data/901.htm"});
  EXPECT_FALSE(disc.Generated("$$econet.html"));

  EXPECT_EQ(Econet("[BD]"), "   [BD]Duze|Duze");
}

TEST_F(EconetPage, econetPageHasNoMapBlockOrPhotographs) {
  disc.Put("Makiety/econet.html",
           "<!--@begin@--><A HREF=\"http://db?map-x\"><IMG>" + std::string(140, '.') +
               "<!--@end@--><!--@foto@--><BODY BACKGROUND=econet.jpg><IMG SRC=arrow.gif>");
  EXPECT_EQ(Econet("1K"), "<!--@begin@--><A HREF=\"http://db?map-x\"><IMG>" +
                              std::string(140, '.') +
                              "<!--@end@--><!--@foto@--><BODY BACKGROUND=\"/disc/Makiety/"
                              "econet.jpg\"><IMG SRC=/disc/Makiety/arrow.gif>");
}

}  // namespace
}  // namespace velmora::test
