#pragma once
// The main window: all shared working state of the program and the event
// handlers of its controls. The Qt window and the headless replay drive it
// through the platform interfaces.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/programs.h"
#include "navigation/contents_tree_page.h"
#include "navigation/dictionary.h"
#include "navigation/menu_page.h"
#include "navigation/search.h"
#include "pages/location_page.h"
#include "pages/page_buffer.h"
#include "pages/record_page.h"
#include "pages/title_strip.h"
#include "platform/handlers.h"
#include "platform/platform.h"
#include "tables/catalogue.h"
#include "tables/catalogue_tables.h"
#include "tables/column_accessor.h"
#include "tables/content_paths.h"
#include "tables/contents_tree.h"
#include "tables/menu_definition.h"
#include "tables/table.h"
#include "tables/table_loading.h"
#include "windows/balloon_placement.h"
#include "windows/chmurka_form.h"
#include "windows/czekaj_form.h"
#include "windows/loading_form.h"
#include "windows/movie_form.h"
#include "windows/slide_form.h"

namespace velmora::app {

class TMainForm {
 public:
  // Runs the start-up sequence. Throws StartupError when a table file cannot
  // be read. With the content missing it stops early (ContentMissing).
  explicit TMainForm(platform::Platform& platform);
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // Start-up and waiting.
  void FormShow();
  void WaitForProgram(std::optional<platform::ProcessHandle> handle) {
    app::WaitForProgram(platform_, handle);
  }
  void PauseWithMessages(int milliseconds) { app::PauseWithMessages(platform_, milliseconds); }

  // Tables.
  // The column accessor (tables::ColumnAccessor), exact and search form.
  std::string Dane(const tables::Table& table, const std::string& key, int nrKol, int keyColumn) {
    return columns_.Dane(table, key, nrKol, keyColumn);
  }
  std::string Dane(const tables::Table& table, const std::string& word, int nrKol, int keyColumn,
                   int& row) {
    return columns_.Dane(table, word, nrKol, keyColumn, row);
  }
  // MENU.CSV into the menu names and page map, DRZEWO1.CSV into the tree's
  // pages. A file
  // that cannot be read, or a menu page number that is not a number, throws
  // StartupError.
  void LoadDaneMenu(const std::string& fileName) { menus_.LoadDaneMenu(fileName); }
  void LoadDaneDrzewa1(const std::string& fileName) { tree_.LoadDaneDrzewa1(fileName); }

  // Main window operations.
  void ShowBrowserView(bool show);
  // Close event: removes the program's files, blacks the window out and runs
  // the closing animation.
  void FormClose();

  // Link dispatcher: every navigation of the main browser passes here.
  void MainWebBrowserBeforeNavigate2(const std::string& address, bool& cancel);
  void MenuWebBrowserBeforeNavigate2(const std::string& address, bool& cancel);

  // What the links do, each owned by its page kind or window.
  bool OpenRecordLink(const std::string& address, const std::string& kindMarker) {
    return records_.OpenRecordLink(address, kindMarker);
  }
  // Record pages of the four protected-area kinds (pages::RecordPages).
  void MakeDynamicPage(const std::string& key, const std::string& kindMarker) {
    records_.MakeDynamicPage(key, kindMarker);
  }
  pages::RecordPages& RecordPages() { return records_; }
  // (pages::LocationPages)
  bool ShowLocation(const std::string& name, pages::LocationMode mode) {
    return locations_.ShowLocation(name, mode);
  }
  std::string CategoryTitle(const std::string& name) { return locations_.CategoryTitle(name); }
  std::string LookupDefinition(navigation::DefinitionKind kind, const std::string& word) {
    tableTextRead_ = true;
    return dictionary_.LookupDefinition(kind, word);
  }
  void CreateBalloons();
  void PlaceBalloon(windows::BalloonKind kind);
  // Called by the platform while the program waits, a period (about a
  // second) apart. The table files' pages the pages were made from stay in
  // the process from one click to the next, and go back to the system's
  // file cache once a whole period has passed with no page made: mapping
  // them in again at every click cost more than making the page.
  void ReleaseTableTextWhenIdle();
  // Gives the table files' pages back now (a headless export, never idle,
  // calls it as it goes); they are read again when needed.
  void ReleaseTableText();
  // The same period's call for the viewer: the first one also builds the
  // lookups of the tables a click reads (pages::RecordPages and the
  // definitions), which the first click of a large disc otherwise waits for.
  void OnIdlePeriod();
  void ShowDefinition(navigation::DefinitionKind kind, const std::string& definition,
                      const std::string& word);
  void ShowSlideShow(const std::string& key);
  void ShowMovie(const std::string& name);
  void ShowTreePage() { tree_.ShowTreePage(); }
  void ShowPageMenu(const std::string& address) { menus_.ShowPageMenu(address); }

  // Command buttons of the bottom and right bars, history and window.
  void ShowFixedPage(const std::string& pageName, bool releaseCategoryButtons);
  void ReleaseCategoryButtons();
  void Button8Click();           // back
  void Button9Click();           // forward
  void BitBtn1Click();           // scroll to the top of the page
  void Button21Click();          // print
  void LMDSpeedButton29Click();  // minimise
  void LMDSpeedButton30Click();  // close
  void Image1MouseDown(bool ctrlHeld);
  void MainWebBrowserCommandStateChange(int command, bool enable);
  void FormResize();
  void AdjustTitleStrip();
  void SzukajKeyPress(char key);
  void Button14Click();                    // shows or hides the diagnostic log
  void Button22Click() { search_.Run(); }  // search

  // Full-text search (navigation::FullTextSearch).
  void MakeSearchPage(const std::string& word) { search_.MakeSearchPage(word); }
  bool Searching() const { return search_.Searching(); }
  using SearchResults = navigation::SearchResults;
  const SearchResults& LastSearch() const { return search_.LastSearch(); }

  // Title strip.
  void MainWebBrowserTitleChange(const std::string& title) { titleStrip_.TitleChange(title); }
  void ShowTitleStrip(const std::string& topic) { titleStrip_.Show(topic); }

  // Menu pages: the menu of a page number, and generating its menu page.
  std::string MenuForPage(const std::string& page) { return menus_.MenuForPage(page); }
  void MakeMenuPage(const std::string& menu, const std::string& page) {
    menus_.MakeMenuPage(menu, page);
  }

  // Contents tree and the main browser's load-complete event.
  void MainWebBrowserDownloadComplete();
  void TreeViewCDChange(int index) { tree_.TreeViewCDChange(index); }
  void TreeViewCDClick() { tree_.TreeViewCDClick(); }
  void TreeViewCDKeyDown(int& key) { key = 0; }  // the tree is worked with the mouse only

  // Hidden diagnostic button: dump of the menu names into Memo2.
  void Button1Click() { menus_.DumpMenuNames(); }

  // Handlers reachable from a replay script, by name.
  void RegisterHandlers(platform::HandlerTable& handlers);
  // The balloons' handlers, keyed "DictionaryBalloon.Panel1MouseDown".
  void RegisterBalloonHandlers(platform::HandlerTable& handlers);

  // The slide-show and film windows' create events, which the program entry
  // runs after the first show. Until then the menu panel shows the start
  // page's menu only.
  void CreateMediaWindows();

  platform::Platform& platform() { return platform_; }

  // What the program entry, the other front ends and the tests read.
  const tables::ContentPaths& Paths() const { return paths_; }
  // The content was not found: the start-up stopped early.
  bool ContentMissing() const { return contentMissing_; }
  // The working directory is the program's own, made at start-up (it is
  // removed on close), rather than the shared temporary-files directory.
  bool OwnsWorkingDirectory() const { return workDirCreated_; }
  const tables::Table& CatalogueTable(tables::CatalogueIndex index) const { return tables_[index]; }
  // The menu and page number of the menu page made last ("las123").
  const std::string& LastMenu() const { return lastMenu_; }
  // The next page's menu is made even when it is the one shown last.
  void ForgetLastMenu() { lastMenu_.clear(); }
  // DRZEWO1.CSV: the page of each entry of the contents tree.
  const tables::TreePages& TreePageNames() const { return daneDrzewa_; }

  // The windows the main window opens. The balloons exist once the start-up
  // has run (null while the content is missing).
  windows::TSlideForm& SlideForm() { return slideForm_; }
  windows::TMovieForm& MovieForm() { return movieForm_; }
  windows::TCzekajForm& CzekajForm() { return czekajForm_; }
  windows::TChmurkaForm* DictionaryBalloon() { return dictionaryBalloon_.get(); }
  windows::TChmurkaForm* LocationBalloon() { return locationBalloon_.get(); }
  // Whether the slide show's automatic advance is on (pages loaded
  // meanwhile hide the menu panel).
  bool SlideShowAdvancing() const { return slideForm_.Advancing(); }

 private:
  void RunStartupSequence();
  void RegisterCommandHandlers(platform::HandlerTable& handlers);
  // A "?dic" or "?bio" link: the definition in the dictionary balloon.
  void ShowDictionaryLink(navigation::DefinitionKind kind, const std::string& word);
  void LoadTables();

  platform::Platform& platform_;
  platform::Ui& ui_;
  platform::FileSystem& files_;
  platform::Browser& MainWebBrowser_;
  platform::Browser& MenuWebBrowser_;

  tables::ContentPaths paths_;
  std::string currentAddress_;
  std::string lastMenu_;
  bool contentMissing_ = false;
  bool workDirCreated_ = false;
  bool memo2Visible_ = false;
  bool mediaWindowsCreated_ = false;

  pages::PageBuffer MainRichEdit_;
  pages::PageBuffer RichEditSearch_;
  tables::CatalogueTables tables_;
  tables::MenuNames typMenu_;
  tables::MenuPageMap plikMenu_;
  tables::TreePages daneDrzewa_;

  // Shown during construction only.
  std::unique_ptr<windows::TLoadingForm> loadingForm_;
  // Created hidden at start-up.
  std::unique_ptr<windows::TChmurkaForm> dictionaryBalloon_;
  std::unique_ptr<windows::TChmurkaForm> locationBalloon_;

  // The work behind the handlers, each with what it needs.
  // Reads the table files while start-up goes on.
  tables::TableLoading tableLoading_{files_, ui_};
  tables::ColumnAccessor columns_{ui_};
  pages::PageContext pageContext_{paths_, files_, ui_, columns_};
  pages::LocationPages locations_;
  pages::RecordPages records_;
  pages::TitleStrip titleStrip_;
  navigation::DictionaryLookup dictionary_;
  navigation::MenuPages menus_;
  navigation::ContentsTreePage tree_;
  navigation::FullTextSearch search_;
  // An animation link has said that the disc's programs need wine.
  bool toldAnimationsNeedWine_ = false;
  // A page was made from the tables since the last idle period began, and
  // what they mapped was given back since the last one was made.
  bool tableTextRead_ = false;
  bool tableTextReleased_ = true;
  bool lookupsPrepared_ = false;

  windows::TSlideForm slideForm_;
  windows::TMovieForm movieForm_;
  windows::TCzekajForm czekajForm_;
};

}  // namespace velmora::app
