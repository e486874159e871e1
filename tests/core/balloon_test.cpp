// The balloon windows, location pages and large pictures, as the replay
// tool shows them: where a balloon is placed, which page it gets, and how it
// is dragged and closed.

#include <gtest/gtest.h>

#include <cstdio>

#include "replay_test.h"

namespace velmora::test {
namespace {

// "Słownik" as the trace writes it (UTF-8).
const std::string kDictionary = "S\xC5\x82ownik";
const std::string kBackLink = "javascript:history.go(-1)";

class Balloons : public ReplayTest {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    WriteFile(disc / "DB/DICT.CSV",
              "las;Las;drzewa <a href='http://db?dicbor'>bor</a>\r\nbor;Bor;sosny\r\n");
    WriteFile(disc / "DB/BIOTOP.CSV", "b1;Ols;Alnetum;;;;bagienny\r\n");
    WriteFile(disc / "DB/ECONET.CSV", "pn1;10;20\r\npk2;30;40\r\npn3;;50\r\n");
    WriteFile(disc / "DB/RP.CSV", "7;Ciche Bagno\r\n");
    WriteFile(disc / "DB/PK.CSV", "3;Park Nadrzeczny\r\n");
    WriteFile(disc / "Makiety/dict.html",
              "<html><head><title>S\xB3ownik</title></head><body><!--@opis@-->"
              "<!--@back@--><a href=\"http://db?path658.htm\">o</a></body></html>");
    WriteFile(disc / "Makiety/chmurka.html",
              "<html><head><title>@title@</title></head><body><img src=\"m.jpg\">"
              "<img src=\"m.jpg\"><!--@opis@--><a href=\"http://db?path1.htm\">x</a>"
              "</body></html>");
    WriteFile(disc / "Makiety/pn_loc.html", "<title>pn</title>PN @kol5@ @kol6@ @kol5@");
    WriteFile(disc / "Makiety/pk_loc.html", "<title>pk</title>PK @kol5@ @kol6@");
    for (const char* picture : {"ml-rp5.jpg", "ml-pn9.jpg", "mp-rp7.gif", "mp-xx1.gif",
                                "mp-pk3.gif", "mp-pn3.gif", "mp-rp5.gif"}) {
      WriteFile(disc / ("Map/" + std::string(picture)), "picture");
    }
  }

  std::string WorkFile(const std::string& name) { return ReadFile(temp / ("VNQETMP/" + name)); }

  static bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }
};

// --- Definitions ---

TEST_F(Balloons, definitionLink_placesTheBalloonAboveTheButtonBarWithoutBackLink) {
  const auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?diclas\n");
  EXPECT_EQ(Count(lines, {"SetWindowBounds", "\"window\":\"DictionaryBalloon\"", "\"left\":930",
                          "\"top\":517", "\"width\":350", "\"height\":250"}),
            1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"ShowWindow\"", "\"window\":\"DictionaryBalloon\""}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "DictionaryBalloon.CppWebBrowser",
                          "VNQETMP/$$dictlas.html"}),
            1u);
  const std::string page = WorkFile("$$dictlas.html");
  EXPECT_TRUE(Has(page, "<b>Las</b>drzewa")) << page;
  EXPECT_TRUE(Has(page, disc.path() + "/Data/658.htm")) << page;
  EXPECT_FALSE(Has(page, kBackLink)) << page;
}

TEST_F(Balloons, definitionLinkInsideTheBalloon_showsTheNextWordWithBackLink) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?diclas\n"
          "DictionaryBalloon.CppWebBrowserBeforeNavigate2 http://db?dicbor\n");
  EXPECT_EQ(Count(lines, {"SetWindowBounds"}), 1u);  // no new placement
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "DictionaryBalloon.CppWebBrowser", "?dicbor",
                          "\"cancel\":true"}),
            1u);
  const std::string page = WorkFile("$$dictbor.html");
  EXPECT_TRUE(Has(page, "<b>Bor</b>sosny")) << page;
  EXPECT_TRUE(Has(page, "<A HREF=\"javascript:history.go(-1)\">wstecz...</A>")) << page;
}

TEST_F(Balloons, backLink_returnsToThePreviousWordsPage) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?diclas\n"
          "DictionaryBalloon.CppWebBrowserBeforeNavigate2 http://db?dicbor\n"
          "DictionaryBalloon.CppWebBrowserBeforeNavigate2 javascript:history.go(-1)\n");
  const auto shown =
      Grep(lines, {"BeforeNavigate2", "DictionaryBalloon.CppWebBrowser", "\"cancel\":false"});
  ASSERT_FALSE(shown.empty());
  EXPECT_TRUE(Has(shown.back(), "$$dictlas.html")) << shown.back();
}

TEST_F(Balloons, closedBalloon_hidesAndReopensPlacedWithoutBackLink) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?diclas\n"
          "DictionaryBalloon.LMDSpeedButton30Click\n"
          "MainWebBrowserBeforeNavigate2 http://db?dicbor\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"HideWindow\"", "DictionaryBalloon"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"ShowWindow\"", "DictionaryBalloon"}), 2u);
  EXPECT_EQ(Count(lines, {"SetWindowBounds", "\"left\":930", "\"top\":517"}), 2u);
  EXPECT_FALSE(Has(WorkFile("$$dictbor.html"), kBackLink));
}

TEST_F(Balloons, definitionLinkInLocationBalloon_staysThereUnderItsOwnLabel) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?ml-rp5\n"
          "LocationBalloon.CppWebBrowserBeforeNavigate2 http://db?diclas\n"
          "LocationBalloon.CppWebBrowserBeforeNavigate2 http://db?dicbor\n");
  EXPECT_EQ(Count(lines, {"SetCaption", "\"window\":\"LocationBalloon\"",
                          "\"value\":\"" + kDictionary + "\""}),
            2u);
  EXPECT_EQ(Count(lines, {"SetText", "Label1"}), 0u);  // set once, at start-up
  EXPECT_EQ(Count(lines, {"SetWindowBounds"}), 1u);    // only the location placed it
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "LocationBalloon.CppWebBrowser", "$$dictlas"}),
            1u);
  EXPECT_EQ(Count(lines, {"DictionaryBalloon"}), 0u);
  EXPECT_FALSE(Has(WorkFile("$$dictlas.html"), kBackLink));
  EXPECT_TRUE(Has(WorkFile("$$dictbor.html"), kBackLink));
}

TEST_F(Balloons, missingWord_mainLinkSaysSoBalloonLinkShowsEmpty) {
  Run("MainWebBrowserBeforeNavigate2 http://db?dicwilk\n");
  EXPECT_TRUE(Has(WorkFile("$$dictwilk.html"), "<body>W s\xB3owniku brakuje s\xB3owa...<"));
  Run("MainWebBrowserBeforeNavigate2 http://db?diclas\n"
      "DictionaryBalloon.CppWebBrowserBeforeNavigate2 http://db?dicsowa\n");
  const std::string page = WorkFile("$$dictsowa.html");
  EXPECT_TRUE(Has(page, "<body><br><br><center>")) << page;
}

TEST_F(Balloons, biotopeLink_setsTheBiotopeCaption) {
  const auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?biob1\n");
  EXPECT_EQ(Count(lines, {"SetCaption", "\"window\":\"DictionaryBalloon\"",
                          "\"value\":\"S\xC5\x82ownik biotop\xC3\xB3w\""}),
            1u);
  EXPECT_TRUE(Has(WorkFile("$$dictb1.html"), "<b>Ols</b> <i>Alnetum</i> - bagienny"));
}

TEST_F(Balloons, startUp_createsBothBalloonsHiddenWithTheirLabels) {
  const CliResult result = RunCli({"replay", "--content", disc.path(), "--temp", temp.path()}, "");
  EXPECT_EQ(Count(result.lines, {"SetText", "DictionaryBalloon.Label1", kDictionary}), 1u);
  EXPECT_EQ(Count(result.lines, {"SetText", "LocationBalloon.Label1", "Lokalizacja"}), 1u);
  EXPECT_EQ(Count(result.lines, {"\"call\":\"ShowWindow\"", "Balloon"}), 0u);
}

TEST_F(Balloons, hostileWord_staysInsideTheWorkingDirectory) {
  const auto lines = Run("DictionaryBalloon.CppWebBrowserBeforeNavigate2 http://db?dic../../x\n");
  EXPECT_EQ(Count(lines, {"WriteFile", "VNQETMP/$$dict..%2F..%2Fx.html"}), 1u);
  EXPECT_FALSE(Exists(temp / "x.html"));
}

// --- Dragging ---

TEST_F(Balloons, strip_dragsTheBalloonWithTheLeftButtonOnly) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?diclas\n"
          "set Mouse 940 521\n"
          "DictionaryBalloon.Panel1MouseDown\n"
          "set Mouse 700 300\n"
          "DictionaryBalloon.Panel1MouseMove\n"
          "DictionaryBalloon.Panel1MouseMove right\n"
          "DictionaryBalloon.Panel1MouseMove left\n");
  const auto moves = Grep(lines, {"SetWindowBounds", "DictionaryBalloon"});
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_TRUE(Has(moves[1], "\"left\":690,\"top\":296,\"width\":350,\"height\":250")) << moves[1];
}

TEST_F(Balloons, pressOnTheFirstPixelRowOrColumn_startsNoDrag) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?diclas\n"
          "set Mouse 930 600\n"
          "DictionaryBalloon.Panel1MouseDown\n"
          "set Mouse 700 300\n"
          "DictionaryBalloon.Panel1MouseMove left\n"
          "set Mouse 1000 517\n"
          "DictionaryBalloon.Panel1MouseDown\n"
          "DictionaryBalloon.Panel1MouseMove left\n");
  EXPECT_EQ(Count(lines, {"SetWindowBounds"}), 1u);
}

// --- Location links ---

TEST_F(Balloons, locationPicture_isShownInTheBalloonWithoutScrollBar) {
  const auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?ml-rp5\n");
  EXPECT_EQ(Count(lines, {"SetWindowBounds", "\"window\":\"LocationBalloon\"", "\"left\":881",
                          "\"top\":35", "\"width\":250", "\"height\":250"}),
            1u);
  EXPECT_EQ(Count(lines, {"SetCaption", "LocationBalloon", "Lokalizacja"}), 1u);
  EXPECT_EQ(Count(lines, {"PlaceInParent", "LocationBalloon.CppWebBrowser", "\"extraWidth\":20"}),
            1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "LocationBalloon.CppWebBrowser",
                          "VNQETMP/$$chmurka.html"}),
            1u);
  const std::string page = WorkFile("$$chmurka.html");
  // Only the first picture name is replaced, and nothing else.
  EXPECT_TRUE(Has(page, "<img src=\"" + disc.path() + "/Map/ml-rp5.jpg\"><img src=\"m.jpg\">"))
      << page;
  EXPECT_TRUE(Has(page, "<title>@title@</title>")) << page;
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "\"control\":\"MainWebBrowser\""}), 0u);
}

TEST_F(Balloons, locationPicture_winsWhateverTheNamesKind) {
  const auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?ml-pn9\n");
  EXPECT_TRUE(Has(WorkFile("$$chmurka.html"), "/Map/ml-pn9.jpg"));
  EXPECT_EQ(Count(lines, {"WriteFile", "$$p-loc.html"}), 0u);
}

TEST_F(Balloons, parkWithoutPicture_getsItsGeneratedLocationPage) {
  const auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?ml-pn1\n");
  EXPECT_EQ(Count(lines, {"SetWindowBounds", "\"window\":\"LocationBalloon\"", "\"left\":871",
                          "\"top\":35", "\"width\":260", "\"height\":280"}),
            1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "LocationBalloon.CppWebBrowser",
                          "VNQETMP/$$p-loc.html"}),
            1u);
  EXPECT_EQ(Count(lines, {"PlaceInParent", "LocationBalloon.CppWebBrowser", "\"extraWidth\":20"}),
            1u);
  EXPECT_TRUE(Has(WorkFile("$$p-loc.html"), "PN 10 20 10"));

  Run("MainWebBrowserBeforeNavigate2 http://db?ml-pk2\n");
  EXPECT_TRUE(Has(WorkFile("$$p-loc.html"), "PK 30 40"));
}

TEST_F(Balloons, parkWithoutPositionValue_showsNothingAndNeverFallsBack) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?ml-pn3\n"
          "MainWebBrowserBeforeNavigate2 http://db?ml-pn404\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\""}), 0u);
  EXPECT_EQ(Count(lines, {"SetWindowBounds"}), 0u);
  EXPECT_EQ(Count(lines, {"MessageBox"}), 0u);
}

TEST_F(Balloons, reserveWithoutPicture_showsItsMapLargeWithCategoryTitle) {
  const auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?ml-rp7\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "\"control\":\"MainWebBrowser\"",
                          "VNQETMP/$$chmurka.html"}),
            1u);
  EXPECT_EQ(Count(lines, {"TitleChange", "temat: Rezerwat przyrody Ciche Bagno"}), 1u);
  const std::string page = WorkFile("$$chmurka.html");
  EXPECT_TRUE(Has(page, disc.path() + "/Map/mp-rp7.gif")) << page;
  EXPECT_TRUE(Has(page, "<I> </i>")) << page;
  EXPECT_TRUE(Has(page, disc.path() + "/Data/1.htm")) << page;
  EXPECT_EQ(Count(lines, {"LocationBalloon"}), 0u);
}

TEST_F(Balloons, mapLinks_titleByKindCode) {
  Run("MainWebBrowserBeforeNavigate2 http://db?map-xx1\n");
  EXPECT_TRUE(Has(WorkFile("$$chmurka.html"), "<title></title>"));
  Run("MainWebBrowserBeforeNavigate2 http://db?map-pk3\n");
  EXPECT_TRUE(Has(WorkFile("$$chmurka.html"), "<title>temat: Park krajobrazowy Park Nadrzeczny<"));
}

TEST_F(Balloons, mapLinkWithoutMapPicture_doesNothing) {
  const auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?map-rp8\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\""}), 0u);
  EXPECT_EQ(Count(lines, {"WriteFile"}), 0u);
}

TEST_F(Balloons, linkInsideABalloon_goesToTheMainBrowser) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?ml-rp5\n"
          "LocationBalloon.CppWebBrowserBeforeNavigate2 http://db?map-rp7\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "\"control\":\"MainWebBrowser\"",
                          "\"address\":\"http://db?map-rp7\""}),
            1u);
  EXPECT_EQ(Count(lines, {"TitleChange", "temat: Rezerwat przyrody Ciche Bagno"}), 1u);
}

// --- Large pictures ---

TEST_F(Balloons, photographLink_showsTheLargePictureInTheMainBrowser) {
  WriteFile(disc / "DB/FOTO.CSV", "12;f;;;Sowa;Jan Nowak;Puszcza\r\n");
  Run("MainWebBrowserBeforeNavigate2 http://db?shf12.jpg\n");
  const std::string page = WorkFile("$$chmurka.html");
  EXPECT_TRUE(Has(page, "<img src=\"" + disc.path() + "/Foto/f12.jpg\">")) << page;
  EXPECT_TRUE(Has(page, "<I>Sowa<br>Puszcza<br> fot. Jan Nowak</i>")) << page;
}

TEST_F(Balloons, missingLargePictureTemplate_leavesThePageAlone) {
  std::remove((disc / "Makiety/chmurka.html").c_str());
  const auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?map-rp7\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\""}), 0u);
  EXPECT_EQ(Count(lines, {"MessageBox"}), 0u);
}

}  // namespace
}  // namespace velmora::test
