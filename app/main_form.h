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

#include "app/content_paths.h"
#include "app/handlers.h"
#include "app/programs.h"
#include "navigation/contents_tree_page.h"
#include "navigation/dictionary.h"
#include "navigation/menu_page.h"
#include "navigation/search.h"
#include "pages/location_page.h"
#include "pages/page_buffer.h"
#include "pages/record_page.h"
#include "pages/title_strip.h"
#include "platform/platform.h"
#include "tables/catalogue.h"
#include "tables/column_accessor.h"
#include "tables/contents_tree.h"
#include "tables/menu_definition.h"
#include "tables/table.h"
#include "tables/table_loading.h"
#include "windows/chmurka_form.h"
#include "windows/czekaj_form.h"
#include "windows/loading_form.h"
#include "windows/slide_form.h"

namespace velmora::windows {
class TMovieForm;
}  // namespace velmora::windows

namespace velmora::app {

class TMainForm {
 public:
  // Runs the start-up sequence. Throws StartupError when a table file cannot
  // be read. With the content missing it stops early and sets contentMissing.
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
  // MENU.CSV into typMenu and plikMenu, DRZEWO1.CSV into daneDrzewa. A file
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
  // Mode 0 tests for the map picture, 1 shows it large, 2 shows the
  // location in the balloon (pages::LocationPages).
  bool ShowLocation(const std::string& name, int mode) {
    return locations_.ShowLocation(name, mode);
  }
  std::string CategoryTitle(const std::string& name) { return locations_.CategoryTitle(name); }
  std::string LookupDefinition(int kind, const std::string& word) {
    tableTextRead_ = true;
    return dictionary_.LookupDefinition(kind, word);
  }
  void CreateBalloons();
  void PlaceBalloon(int kind);
  // Called by the platform while the program waits, a period (about a
  // second) apart. The table files' pages the pages were made from stay in
  // the process from one click to the next, and go back to the system's
  // file cache once a whole period has passed with no page made: mapping
  // them in again at every click cost more than making the page.
  void ReleaseTableTextWhenIdle();
  void ShowDefinition(int kind, const std::string& definition, const std::string& word);
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

  // Hidden diagnostic button: dump of typMenu into Memo2.
  void Button1Click() { menus_.DumpMenuNames(); }

  // Handlers reachable from a replay script, by name.
  void RegisterHandlers(HandlerTable& handlers);
  // The balloons' handlers, keyed "DictionaryBalloon.Panel1MouseDown".
  void RegisterBalloonHandlers(HandlerTable& handlers);

  platform::Platform& platform() { return platform_; }

  // State, as the other windows and page kinds read it.
  ContentPaths paths;
  std::string currentAddress;
  std::string lastMenu;
  bool contentMissing = false;
  bool workDirCreated = false;
  bool memo2Visible = false;
  // The wait window, created by the program entry with the other windows.
  windows::TCzekajForm* CzekajForm = nullptr;
  // The slide-show and film windows, created by the program entry.
  windows::TSlideForm* SlideForm = nullptr;
  windows::TMovieForm* MovieForm = nullptr;

  // Slide show: the running set, its number of usable slides, the 1-based
  // number of the next slide, and the usable slides' picture names in
  // showing order (the non-empty cells of the row whose picture exists).
  std::string slideSetKey;
  std::int32_t slideCount = 0;
  std::int32_t slideIndex = 1;
  std::vector<std::string> slideNames;
  // Whether the slide window exists, and whether its automatic advance is
  // on (pages loaded meanwhile hide the menu panel).
  bool SlideWindowExists() const { return SlideForm != nullptr; }
  bool SlideShowAdvancing() const;
  // What the slide-show window works with.
  windows::SlideShowHost SlideShowHost();

  pages::PageBuffer MainRichEdit;
  pages::PageBuffer RichEditSearch;
  // Shown during construction only; lives as long as the main window.
  std::unique_ptr<windows::TLoadingForm> LoadingForm;
  // Created hidden at start-up; live as long as the main window.
  std::unique_ptr<windows::TChmurkaForm> DictionaryBalloon;
  std::unique_ptr<windows::TChmurkaForm> LocationBalloon;

  tables::MenuNames typMenu;
  tables::MenuPageMap plikMenu;
  tables::TreePages daneDrzewa;

  tables::Table SG_RP{"SG_RP", tables::DeclaredColumns(tables::kReserveTable)};
  tables::Table SG_PK{"SG_PK", tables::DeclaredColumns(tables::kParkTable)};
  tables::Table SG_OChK{"SG_OChK", tables::DeclaredColumns(tables::kLandscapeTable)};
  tables::Table SG_Foto{"SG_Foto", tables::DeclaredColumns(tables::kPhotoTable)};
  tables::Table SG_Eco{"SG_Eco", tables::DeclaredColumns(tables::kEconetTable)};
  tables::Table SG_Trans{"SG_Trans", tables::DeclaredColumns(tables::kTranslationTable)};
  tables::Table SG_Dic{"SG_Dic", tables::DeclaredColumns(tables::kDictionaryTable)};
  tables::Table SG_Bio{"SG_Bio", tables::DeclaredColumns(tables::kBiotopeTable)};
  tables::Table SG_Slide{"SG_Slide", tables::DeclaredColumns(tables::kSlideTable)};

 private:
  void RunStartupSequence();
  void RegisterCommandHandlers(HandlerTable& handlers);
  // A "?dic" or "?bio" link: the definition in the dictionary balloon.
  void ShowDictionaryLink(int kind, const std::string& word);
  void LoadTables();
  std::vector<tables::Table*> CatalogueTables();
  void ReleaseTableText();

  platform::Platform& platform_;
  platform::Ui& ui_;
  platform::FileSystem& files_;
  platform::Browser& MainWebBrowser_;
  platform::Browser& MenuWebBrowser_;

  // The work behind the handlers, each with what it needs.
  // Reads the table files while start-up goes on.
  tables::TableLoading tableLoading_{files_, ui_};
  tables::ColumnAccessor columns_{ui_};
  pages::PageContext pageContext_{paths, files_, ui_, columns_};
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
};

}  // namespace velmora::app
