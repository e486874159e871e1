// The link protocol parser that the dispatcher and velmora-cli check share,
// and raising handlers by name as the viewer and replay do.
#include "navigation/link_protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/handlers.h"

namespace velmora::test {
namespace {

using navigation::LinkRow;
using navigation::ParseLink;

bool NoFile(const std::string&) { return false; }

TEST(LinkProtocol, rowsAreTriedInOrder_theFirstKeyWordOfThatOrderWins) {
  // "?ss" comes after "?dic" in the order, though it stands first here.
  const navigation::Link link = ParseLink("http://db?ss1?dicbobr", NoFile);
  EXPECT_EQ(link.row, LinkRow::Dictionary);
  EXPECT_EQ(link.key, "bobr");
  EXPECT_EQ(ParseLink("x?map-rp12?ml-rp12", NoFile).row, LinkRow::Map);
  EXPECT_EQ(ParseLink("http://db?tree", NoFile).row, LinkRow::Tree);
  EXPECT_EQ(ParseLink("http://db?anim../x", NoFile).key, "../x");
}

TEST(LinkProtocol, recordRowsKeepTheCaseOfTheAddress_laterRowsReadItLowered) {
  const navigation::Link record = ParseLink("http://db?rpAbC", NoFile);
  EXPECT_EQ(record.row, LinkRow::Record);
  EXPECT_EQ(record.marker, "?rp");
  EXPECT_EQ(record.key, "AbC");
  // An upper-case record key word is no record link; the later rows lower it.
  const navigation::Link upper = ParseLink("http://db?RP12?DICLas", NoFile);
  EXPECT_EQ(upper.row, LinkRow::Dictionary);
  EXPECT_EQ(upper.key, "las");
}

TEST(LinkProtocol, addressesWithoutKeyWord_outsideTreePageLocalMailOrMissing) {
  EXPECT_EQ(ParseLink("https://example.org/a", NoFile).row, LinkRow::Outside);
  EXPECT_EQ(ParseLink("/disc/Data/drzewo.htm", NoFile).row, LinkRow::TreePage);
  // A local path holding "http:" after its fragment mark is not outside.
  std::vector<std::string> asked;
  const auto exists = [&](const std::string& path) {
    asked.push_back(path);
    return path == "/disc/data/1 2.htm";
  };
  EXPECT_EQ(ParseLink("file:///disc/Data/1%202.htm#http:", exists).row, LinkRow::LocalFile);
  EXPECT_EQ(asked, std::vector<std::string>{"/disc/data/1 2.htm"});
  EXPECT_EQ(ParseLink("kto@example.org", NoFile).row, LinkRow::Mail);
  EXPECT_EQ(ParseLink("/disc/Data/none.htm", NoFile).row, LinkRow::Missing);
}

TEST(LinkProtocol, treePageIsTheContentsPagesFileName_notAnAddressMerelyHoldingIt) {
  for (const char* address : {"file:///disc/data/drzewo.htm", "/disc/data/drzewo.htm#top",
                              "c:\\cd\\data\\drzewo.htm", "drzewo.htm"}) {
    EXPECT_EQ(ParseLink(address, NoFile).row, LinkRow::TreePage) << address;
  }
  for (const char* address : {"/disc/data/stare_drzewo.htm", "/disc/data/drzewo.html",
                              "/disc/drzewo.htm.old/1.htm", "/disc/data/1.htm#drzewo.htm"}) {
    EXPECT_EQ(ParseLink(address, NoFile).row, LinkRow::Missing) << address;
  }
}

TEST(LinkProtocol, localPathKeepsLetterCase_dropsFragment_decodesFirstBlank) {
  EXPECT_EQ(navigation::LocalPath("FILE:///Disc/A%20B%20C.htm#top"), "/Disc/A B%20C.htm");
  EXPECT_EQ(navigation::LocalPath("/disc/Data/7.htm#x"), "/disc/Data/7.htm");
}

TEST(HandlerTable, raiseRunsTheNamedHandlerWithItsArgument_unknownNameIsReported) {
  platform::HandlerTable handlers;
  std::string received;
  handlers[platform::HandlerName(platform::names::kMainForm, "Button8Click")] =
      [&](const std::string& argument) { received = argument; };
  EXPECT_TRUE(platform::RaiseHandler(handlers, "MainForm.Button8Click", "x"));
  EXPECT_EQ(received, "x");
  EXPECT_FALSE(platform::RaiseHandler(handlers, "MainForm.Button8click", ""));
  EXPECT_FALSE(platform::RaiseHandler(handlers, "SlideForm.Button8Click", ""));
}

}  // namespace
}  // namespace velmora::test
