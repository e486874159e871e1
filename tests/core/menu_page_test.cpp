// Menu pages: which page shows which menu, when the menu page is generated
// again, the panel's visibility, and the start-up and slide-show cases.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form.h"
#include "tests/support/fake_platform.h"
#include "windows/slide_form.h"
#include "windows/slide_form_controls.h"

using velmora::app::TMainForm;
using velmora::platform::Icon;
using velmora::test::FakeBrowser;
using velmora::test::FakePlatform;

namespace {

const std::string kMenuTemplate =
    "<a href=\"http://db?pga.htm\">a</a> <a href=\"http://db?pg.htm\">b</a>"
    " <img src=\"http://db?pathx.gif\"> http://db?pg\r\n";

class MenuPage : public ::testing::Test {
 protected:
  void SetUp() override {
    AddMinimalDisc(fake_.files);
    std::string menus = "start;799;\r\nlas;123;124;\r\nbrak;5;\r\nzero;0;\r\n";
    for (int line = 4; line < 82; ++line) menus += "m" + std::to_string(line) + ";\r\n";
    fake_.files.files["/disc/DB/MENU.CSV"] = menus;
    fake_.files.files["/disc/Makiety/menu_las.htm"] = kMenuTemplate;
    fake_.files.files["/disc/Makiety/menu_start.htm"] = "start http://db?pg.htm";
    for (const char* page : {"799", "123", "123a", "123s", "123x", "124", "5", "0", "index"}) {
      // The dispatcher tests the lower-cased address; this file system is exact.
      fake_.files.files["/disc/data/" + std::string(page) + ".htm"] = "<html></html>";
    }
  }

  // The main window after start-up, with the slide window created.
  TMainForm& Start() {
    form_ = std::make_unique<TMainForm>(fake_.platform);
    // The program entry creates the slide window after the main window.
    form_->CreateMediaWindows();
    Menu().navigations.clear();
    return *form_;
  }
  FakeBrowser& Menu() {
    return static_cast<FakeBrowser&>(fake_.platform.browsers.Get("MenuWebBrowser"));
  }
  // The main browser about to load a page: the dispatcher's local-file row.
  void Open(const std::string& page) {
    bool cancel = false;
    form_->MainWebBrowserBeforeNavigate2("/disc/Data/" + page, cancel);
    ASSERT_FALSE(cancel) << page;
  }
  std::string MenuFile() { return form_->Paths().workDir + "$$menu.html"; }
  bool PanelVisible() { return fake_.ui.visible["Panel6"]; }

  FakePlatform fake_;
  std::unique_ptr<TMainForm> form_;
  std::unique_ptr<velmora::windows::TSlideForm> slide_;
};

// While constructing, the main window's slide window does not exist yet.
TEST_F(MenuPage, beforeSlideWindow_startMenuShown) {
  form_ = std::make_unique<TMainForm>(fake_.platform);
  Open("799.htm");
  ASSERT_EQ(Menu().navigations.size(), 1u);
  EXPECT_EQ(Menu().navigations[0], MenuFile());
  EXPECT_EQ(fake_.files.files[MenuFile()], "start /disc/Data/799.htm");
  EXPECT_EQ(form_->LastMenu(), "start799");
  EXPECT_TRUE(PanelVisible());
  EXPECT_TRUE(fake_.ui.messages.empty());
}

TEST_F(MenuPage, beforeSlideWindow_otherMenusDoNothing) {
  form_ = std::make_unique<TMainForm>(fake_.platform);
  Open("123.htm");
  Open("index.htm");
  EXPECT_TRUE(Menu().navigations.empty());
  EXPECT_EQ(fake_.ui.visible.count("Panel6"), 0u);
  EXPECT_EQ(form_->LastMenu(), "");
}

TEST_F(MenuPage, placeholdersReplacedByDataDirectoryAndPageNumber) {
  Start();
  Open("123.htm");
  ASSERT_EQ(Menu().navigations.size(), 1u);
  EXPECT_EQ(fake_.files.files[MenuFile()],
            "<a href=\"/disc/Data/123a.htm\">a</a> <a href=\"/disc/Data/123.htm\">b</a>"
            " <img src=\"/disc/Data/x.gif\"> /disc/Data/123\r\n");
  EXPECT_EQ(form_->LastMenu(), "las123");
  EXPECT_TRUE(PanelVisible());
}

TEST_F(MenuPage, pagesWithSharingLetters_generateOneMenuPageOnce) {
  Start();
  Open("123.htm");
  Open("123a.htm");
  Open("123s.htm#part");
  Open("123.htm");
  EXPECT_EQ(Menu().navigations.size(), 1u);
  EXPECT_TRUE(PanelVisible());
}

TEST_F(MenuPage, nextPageWithSameMenuName_regenerates) {
  Start();
  Open("123.htm");
  Open("124.htm");
  EXPECT_EQ(Menu().navigations.size(), 2u);
  EXPECT_EQ(form_->LastMenu(), "las124");
  EXPECT_NE(fake_.files.files[MenuFile()].find("/disc/Data/124a.htm"), std::string::npos);
}

TEST_F(MenuPage, pagesWithoutMenu_hidePanelAndKeepLastMenu) {
  Start();
  for (const char* page : {"index.htm", "123x.htm", "0.htm"}) {
    Open("123.htm");
    EXPECT_TRUE(PanelVisible());
    Open(page);
    EXPECT_FALSE(PanelVisible()) << page;
  }
  // Back on the page whose menu is still generated: nothing regenerates.
  EXPECT_EQ(Menu().navigations.size(), 1u);
}

TEST_F(MenuPage, missingTemplate_reportedOnceAndPanelStillShown) {
  Start();
  Open("5.htm");
  Open("5.htm");
  ASSERT_EQ(fake_.ui.messages.size(), 1u);
  EXPECT_EQ(fake_.ui.messages[0].text, "Brak pliku menu: /disc/Makiety/menu_brak.htm");
  EXPECT_EQ(fake_.ui.messages[0].caption, "Generuj stron\xEA");
  EXPECT_EQ(fake_.ui.messages[0].icon, Icon::Stop);
  EXPECT_TRUE(Menu().navigations.empty());
  EXPECT_EQ(form_->LastMenu(), "brak5");
  EXPECT_TRUE(PanelVisible());
}

TEST_F(MenuPage, slideAdvanceOn_everyPageHidesPanel) {
  Start();
  Open("123.htm");
  fake_.platform.timers
      .Get(velmora::windows::slide_form::Qualified(velmora::windows::slide_form::Control("Timer1")))
      .SetEnabled(true);
  Open("124.htm");
  EXPECT_FALSE(PanelVisible());
  Open("123.htm");
  EXPECT_FALSE(PanelVisible());
  EXPECT_EQ(Menu().navigations.size(), 1u);
  fake_.platform.timers
      .Get(velmora::windows::slide_form::Qualified(velmora::windows::slide_form::Control("Timer1")))
      .SetEnabled(false);
  Open("124.htm");
  EXPECT_TRUE(PanelVisible());
}

TEST_F(MenuPage, addressForms_lastPathElementBeforeFirstHtm) {
  TMainForm& form = Start();
  form.ShowPageMenu("c:\\vnqe\\data\\123.htm");
  EXPECT_EQ(form.LastMenu(), "las123");
  form.ShowPageMenu("file:///disc/data/124b.html");
  EXPECT_EQ(form.LastMenu(), "las124");
  // Nothing at all: no name, or ".htm" at the start of the name.
  fake_.ui.visible.clear();
  form.ShowPageMenu("/disc/data/");
  form.ShowPageMenu("/disc/data/.htm");
  form.ShowPageMenu("/disc/data/123");
  EXPECT_EQ(fake_.ui.visible.count("Panel6"), 0u);
  EXPECT_EQ(Menu().navigations.size(), 2u);
}

}  // namespace
