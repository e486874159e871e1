// Rows of empty values, the optional map block and the photograph strip of
// the record pages, on the main page buffer.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_record_disc.h"

namespace velmora::test {
namespace {

constexpr std::size_t npos = std::string::npos;

class RecordPageParts : public ::testing::Test {
 protected:
  void SetUp() override { disc.Start(); }
  app::TMainForm& form() { return *disc.form; }
  void SetPage(const std::string& text) { form().RecordPages().Buffer().SetText(text); }
  const std::string& PageText() { return form().RecordPages().Buffer().Text(); }

  FakeRecordDisc disc;
};

// --- Rows of empty values

TEST_F(RecordPageParts, emptyRow_becomesBlankBeforeItsEndTag_otherRowsStay) {
  SetPage("<TABLE><TR><TD>a</TD></TR><TR VALIGN=TOP><TD>@kol7@</TD></TR><TR><TD>b</TD></TR>");
  EXPECT_EQ(form().RecordPages().RemoveEnclosingRow("@kol7@"), 26u);
  EXPECT_EQ(PageText(), "<TABLE><TR><TD>a</TD></TR> </TR><TR><TD>b</TD></TR>");
}

TEST_F(RecordPageParts, onlyTheFirstOccurrencesRowIsRemoved) {
  SetPage("<TR>@kol3@</TR><TR>@kol3@</TR>");
  form().RecordPages().RemoveEnclosingRow("@kol3@");
  EXPECT_EQ(PageText(), " </TR><TR>@kol3@</TR>");
}

TEST_F(RecordPageParts, rowThatCannotBeRemoved_leavesPageUnchanged) {
  for (const std::string page : {"<p>@kol7@</TR>",            // no row start before
                                 "<tr><td>@kol7@</td></tr>",  // lower-case markers
                                 "<TR><TD>@kol7@</TD>",       // no row end after
                                 "<TR>a</TR>"}) {             // no placeholder
    SetPage(page);
    EXPECT_EQ(form().RecordPages().RemoveEnclosingRow("@kol7@"), npos) << page;
    EXPECT_EQ(PageText(), page);
  }
}

TEST_F(RecordPageParts, rowEndBeforeThePlaceholder_isNotItsEnd) {
  SetPage("<TR>x</TR>@kol2@ y</TR>");
  form().RecordPages().RemoveEnclosingRow("@kol2@");
  EXPECT_EQ(PageText(), " </TR>");
}

TEST_F(RecordPageParts, findLastBefore_givesTheLastStartBeforeTheLimit) {
  SetPage("<TR>a<TR>b<TR>c");
  EXPECT_EQ(form().RecordPages().FindLastBefore("<TR", 10), 5u);
  EXPECT_EQ(form().RecordPages().FindLastBefore("<TR", 11), 10u);
  EXPECT_EQ(form().RecordPages().FindLastBefore("<TR", 100), 10u);
  EXPECT_EQ(form().RecordPages().FindLastBefore("<TR", 0), npos);
  EXPECT_EQ(form().RecordPages().FindLastBefore("<tr", 100), npos);
}

// --- Map block

// A block whose end marker lies `gap` characters after the map name's start.
std::string MapPage(const std::string& name, std::size_t gap) {
  std::string page = "<P>a</P><!--@begin@--><A HREF=\"http://db?map-" + name + "\"><IMG SRC=m>";
  const std::size_t nameStart = page.find(name);
  page += std::string(nameStart + gap - page.size(), '.');
  return page + "<!--@end@--><P>b</P>";
}

TEST_F(RecordPageParts, missingMapPicture_hidesBlockUpToItsEndMarker) {
  SetPage(MapPage("rp12", 130));
  form().RecordPages().HideMissingMap();
  EXPECT_EQ(PageText(), "<P>a</P> <!--@end@--><P>b</P>");
}

TEST_F(RecordPageParts, presentMapPicture_keepsBlock) {
  disc.Put("Map/mp-rp12.gif", "GIF");
  SetPage(MapPage("rp12", 130));
  form().RecordPages().HideMissingMap();
  EXPECT_EQ(PageText(), MapPage("rp12", 130));
}

TEST_F(RecordPageParts, endMarkerCloserThan130Characters_isPassedOver) {
  SetPage(MapPage("rp12", 129));
  form().RecordPages().HideMissingMap();
  EXPECT_EQ(PageText(), MapPage("rp12", 129));  // no later end marker: block stays

  SetPage(MapPage("rp12", 40) + std::string(100, '-') + "<!--@end@-->z");
  form().RecordPages().HideMissingMap();
  EXPECT_EQ(PageText(), "<P>a</P> <!--@end@-->z");
}

TEST_F(RecordPageParts, blockStart_isTheLastBeginMarkerBeforeTheMapName) {
  SetPage("<!--@begin@-->x" + MapPage("rp12", 130));
  form().RecordPages().HideMissingMap();
  EXPECT_EQ(PageText(), "<!--@begin@-->x<P>a</P> <!--@end@--><P>b</P>");
}

TEST_F(RecordPageParts, onlyTheFirstMapLinkIsExamined) {
  disc.Put("Map/mp-rp1.gif", "GIF");
  const std::string page = MapPage("rp1", 130) + MapPage("rp2", 130);
  SetPage(page);
  form().RecordPages().HideMissingMap();
  EXPECT_EQ(PageText(), page);
}

TEST_F(RecordPageParts, mapLinkWithoutPictureTagOrBlock_changesNothing) {
  for (const std::string& page :
       {std::string("<!--@begin@--><A HREF=\"http://db?map-rp12\">mapa</A>") +
            std::string(200, '.') + "<!--@end@-->",
        "<A HREF=\"http://db?map-rp12\"><IMG SRC=m>" + std::string(200, '.') + "<!--@end@-->",
        std::string("<!--@begin@--><A HREF=\"http://db?map-rp12\"><IMG SRC=m>")}) {
    SetPage(page);
    form().RecordPages().HideMissingMap();
    EXPECT_EQ(PageText(), page);
  }
}

TEST_F(RecordPageParts, mapPictureTest_isShowLocationsTestMode) {
  disc.Put("Map/mp-pk7.gif", "GIF");
  disc.Put("Map/ml-pk8.jpg", "JPG");
  EXPECT_TRUE(form().ShowLocation("pk7", pages::LocationMode::TestForMap));
  EXPECT_FALSE(form().ShowLocation("pk8", pages::LocationMode::TestForMap));
  EXPECT_FALSE(form().ShowLocation("PK7x", pages::LocationMode::TestForMap));
}

// --- Photograph strip

class PhotoStrip : public RecordPageParts {
 protected:
  void SetUp() override {}
  // FOTO.CSV rows "key;prefix;;references", every picture present.
  void Photos(const std::string& rows) {
    disc.Put("DB/FOTO.CSV", rows);
    std::size_t start = 0;
    while (start < rows.size()) {
      const std::size_t end = rows.find("\r\n", start);
      const std::string row = rows.substr(start, end - start);
      const std::size_t semicolon = row.find(';');
      const std::string key = row.substr(0, semicolon);
      const std::string prefix =
          row.substr(semicolon + 1, row.find(';', semicolon + 1) - semicolon - 1);
      disc.Put("Foto/" + prefix + key + ".jpg", "JPG");
      start = end + 2;
    }
    disc.Start();
  }
  // The picture names of the strip, in order.
  std::string Strip(const std::string& kindCode, const std::string& key) {
    SetPage("<!--@foto@-->");
    form().RecordPages().FillPhotoStrip(kindCode, key);
    std::string names;
    for (std::size_t at = PageText().find("?sh"); at != npos; at = PageText().find("?sh", at + 1)) {
      names += PageText().substr(at + 3, PageText().find('>', at) - at - 3) + " ";
    }
    return names;
  }
};

TEST_F(PhotoStrip, oneMatch_givesRowStartAndThumbnailLink) {
  Photos("a1;f;x;rp12\r\n");
  SetPage("<TABLE><!--@foto@--></P></TD></TR></TABLE>");
  form().RecordPages().FillPhotoStrip("rp", "12");
  EXPECT_EQ(PageText(),
            "<TABLE><TR VALIGN=TOP><TD WIDTH=165 ALIGN=right><P ALIGN=right><FONT "
            "COLOR=\"#4c4c4c\">fotografie:</FONT></P></TD><TD></TD><TD WIDTH=441><P>"
            "<A HREF=http://db?shfa1.jpg><IMG SRC=\"/disc/Foto/fa1.jpg\" ALIGN=BOTTOM HEIGHT=50 "
            "BORDER=1 HSPACE=2 VSPACE=2></a></P></TD></TR></TABLE>");
}

TEST_F(PhotoStrip, referenceMustEndTheCellUnlessTheCellEndsInABlank) {
  Photos(
      "a;f;;rp12 pk3\r\n"
      "b;f;;pk3 rp12\r\n"
      "c;m;;rp12 pk3 \r\n"
      "d;f;;rp123\r\n"
      "e;f;;xrp12\r\n");
  EXPECT_EQ(Strip("rp", "12"), "fb.jpg mc.jpg fe.jpg ");
  EXPECT_EQ(Strip("rp", "1"), "mc.jpg ");
  EXPECT_EQ(Strip("pk", "3"), "fa.jpg mc.jpg ");
  EXPECT_EQ(Strip("RP", "12"), "");
}

TEST_F(PhotoStrip, rowCountsOnceAndRowsKeepTheirOrder) {
  Photos(
      "z;f;;ok5 ok5 \r\n"
      "a;m;;ok5\r\n");
  EXPECT_EQ(Strip("ok", "5"), "fz.jpg ma.jpg ");
}

TEST_F(PhotoStrip, onlyTheFirstOccurrenceOfTheReferenceIsJudged) {
  Photos("z;f;;ok5 ok5\r\n");
  EXPECT_EQ(Strip("ok", "5"), "");
}

TEST_F(PhotoStrip, missingPictureFile_isLeftOut) {
  Photos("a;f;;pk3\r\nb;f;;pk3\r\n");
  disc.fake.files.files.erase("/disc/Foto/fa.jpg");
  EXPECT_EQ(Strip("pk", "3"), "fb.jpg ");
}

TEST_F(PhotoStrip, noMatchingPhotograph_leavesOneBlankAndNoRow) {
  Photos("a;f;;pk3\r\n");
  SetPage("[<!--@foto@-->][<!--@foto@-->]");
  form().RecordPages().FillPhotoStrip("rp", "3");
  EXPECT_EQ(PageText(), "[ ][ ]");
}

TEST_F(PhotoStrip, everyPlaceholderGetsTheStrip) {
  Photos("a;f;;pk3\r\n");
  SetPage("<!--@foto@--><!--@foto@-->");
  form().RecordPages().FillPhotoStrip("pk", "3");
  const std::string& page = PageText();
  EXPECT_NE(page.find("fotografie:"), page.rfind("fotografie:"));
}

}  // namespace
}  // namespace velmora::test
