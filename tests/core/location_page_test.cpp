// ShowLocation's test mode for the record pages, and the category titles of
// map pictures.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form.h"
#include "tests/support/fake_platform.h"

using velmora::app::TMainForm;
using velmora::pages::LocationMode;
using velmora::test::FakeBrowser;
using velmora::test::FakePlatform;

namespace {

class LocationPage : public ::testing::Test {
 protected:
  TMainForm& Start(const std::string& root = "/disc") {
    fake_.files.currentDirectory = root;
    AddMinimalDisc(fake_.files, root);
    fake_.files.files[root + "/DB/RP.CSV"] = "7;Ciche Bagno\r\n";
    fake_.files.files[root + "/DB/PK.CSV"] = "3;Nadrzeczny\r\n";
    fake_.files.files[root + "/DB/OCHK.CSV"] = "4;Dolina\r\n";
    fake_.files.files[root + "/Map/mp-rp7.gif"] = "gif";
    fake_.files.files[root + "/Makiety/chmurka.html"] = "<title>@title@</title>m.jpg";
    form_ = std::make_unique<TMainForm>(fake_.platform);
    return *form_;
  }

  FakeBrowser& Browser(const std::string& name) {
    return static_cast<FakeBrowser&>(fake_.browsers.Get(name));
  }

  FakePlatform fake_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(LocationPage, testMode_answersWhetherTheMapPictureExistsAndShowsNothing) {
  TMainForm& form = Start();
  const std::size_t before = Browser("MainWebBrowser").navigations.size();
  EXPECT_TRUE(form.ShowLocation("rp7", LocationMode::TestForMap));
  EXPECT_FALSE(form.ShowLocation("rp8", LocationMode::TestForMap));
  EXPECT_FALSE(form.ShowLocation("RP7x", LocationMode::TestForMap));
  EXPECT_EQ(Browser("MainWebBrowser").navigations.size(), before);
}

TEST_F(LocationPage, mapMode_showsThePictureButAnswersFalse) {
  TMainForm& form = Start();
  EXPECT_FALSE(form.ShowLocation("rp7", LocationMode::LargeMap));
  ASSERT_FALSE(Browser("MainWebBrowser").navigations.empty());
  EXPECT_EQ(Browser("MainWebBrowser").navigations.back(), form.Paths().workDir + "$$chmurka.html");
  EXPECT_EQ(fake_.files.files[form.Paths().workDir + "$$chmurka.html"],
            "<title>temat: Rezerwat przyrody Ciche Bagno</title>/disc/Map/mp-rp7.gif");
}

TEST_F(LocationPage, categoryTitle_byKindCodeWithLaterCodesWinning) {
  TMainForm& form = Start();
  EXPECT_EQ(form.CategoryTitle("rp7"), "Rezerwat przyrody Ciche Bagno");
  EXPECT_EQ(form.CategoryTitle("pk3"), "Park krajobrazowy Nadrzeczny");
  EXPECT_EQ(form.CategoryTitle("ok4"), "Obszar Chronionego Krajobrazu Dolina");
  EXPECT_EQ(form.CategoryTitle("ok9"), "Obszar Chronionego Krajobrazu ");
  EXPECT_EQ(form.CategoryTitle("pn1"), "");
  EXPECT_EQ(form.CategoryTitle("RP7"), "");
  EXPECT_EQ(form.CategoryTitle(""), "");
  // "?pk" inside the name overrides the leading "?rp"; the key is the rest.
  EXPECT_EQ(form.CategoryTitle("rp?pk"), "Park krajobrazowy ");
}

TEST_F(LocationPage, mapDirectoryNamedLikeALocationPicture_stillFallsBackToTheMap) {
  TMainForm& form = Start("/ml-park");
  EXPECT_FALSE(form.ShowLocation("rp7", LocationMode::InBalloon));
  ASSERT_FALSE(Browser("MainWebBrowser").navigations.empty());
  EXPECT_EQ(Browser("MainWebBrowser").navigations.back(), form.Paths().workDir + "$$chmurka.html");
}

}  // namespace
