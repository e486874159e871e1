#pragma once
// The main window: all shared working state of the program and the event
// handlers of its controls. The Qt window and the headless replay drive it
// through the platform interfaces.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/content_paths.h"
#include "app/handlers.h"
#include "navigation/page_index.h"
#include "pages/marker_insertions.h"
#include "pages/page_buffer.h"
#include "platform/platform.h"
#include "tables/background_reader.h"
#include "tables/catalogue.h"
#include "tables/contents_tree.h"
#include "tables/menu_definition.h"
#include "tables/table.h"
#include "windows/chmurka_form.h"
#include "windows/czekaj_form.h"
#include "windows/loading_form.h"

namespace velmora::windows {
class TSlideForm;
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
  void LocateContent();
  void FormShow();
  void WaitForProgram(std::optional<platform::ProcessHandle> handle);
  void PauseWithMessages(int milliseconds);

  // Tables.
  void LoadCsvTable(tables::Table& table, int declaredColumns, const std::string& fileName);
  // Takes the tables still being read, answering messages meanwhile;
  // throws the error of a table file that could not be read.
  void WaitForTables();
  static constexpr int kTableWaitSliceMs = 5;
  // Exact form: the cell in column nrKol - 1 of the first row whose key
  // column equals the key.
  std::string Dane(const tables::Table& table, const std::string& key, int nrKol, int keyColumn);
  // Search form: from row on, the first row whose key column contains the
  // word ignoring case; row is left on that row (or the row count).
  std::string Dane(const tables::Table& table, const std::string& word, int nrKol, int keyColumn,
                   int& row);
  void ResolveSlidePictures();
  // MENU.CSV into typMenu and plikMenu, DRZEWO1.CSV into daneDrzewa. A file
  // that cannot be read, or a menu page number that is not a number, throws
  // StartupError.
  void LoadDaneMenu(const std::string& fileName);
  void LoadDaneDrzewa1(const std::string& fileName);

  // Main window operations.
  void ShowBrowserView(bool show);
  // Close event: removes the program's files, blacks the window out and runs
  // the closing animation.
  void FormClose();

  // Pages: the replacement rule on the main and the second page buffer, and
  // the last step of every page kind (write G into the working directory,
  // show it in the browser, else "Brak pliku: " with the caption).
  void ReplaceAll(const std::string& placeholder, const std::string& value);
  void ReplaceAllSearch(const std::string& placeholder, const std::string& value);
  bool SaveAndShow(const pages::PageBuffer& buffer, const std::string& generatedName,
                   platform::Browser& browser, const std::string& caption);

  // Link dispatcher: every navigation of the main browser passes here.
  void MainWebBrowserBeforeNavigate2(const std::string& address, bool& cancel);
  void MenuWebBrowserBeforeNavigate2(const std::string& address, bool& cancel);
  bool IsLocalFile(const std::string& address);

  // What the links do, each owned by its page kind or window.
  bool OpenRecordLink(const std::string& address, const std::string& kindMarker);
  void ShowNationalPark(const std::string& key);

  // Record pages of the four protected-area kinds, filled from the kind's
  // table row and shown in the main browser.
  void MakeDynamicPage(const std::string& key, const std::string& kindMarker);
  // Blanks the "<TR" ... "</TR>" row around the placeholder's first
  // occurrence, keeping the "</TR>". Returns where the blank stands, or npos
  // when there is no such row.
  std::size_t RemoveEnclosingRow(const std::string& placeholder);
  // The last occurrence of text in the main page buffer that begins before
  // limit, or npos.
  std::size_t FindLastBefore(const std::string& text, std::size_t limit);
  void HideMissingMap();
  void FillPhotoStrip(const std::string& kindCode, const std::string& key);
  bool PhotoExists(const std::string& pictureName);
  // Mode 0 tests for the map picture, 1 shows it large, 2 shows the
  // location in the balloon.
  bool ShowLocation(const std::string& name, int mode);
  // The category and record name of "rp"/"pk"/"ok" + key, else empty.
  std::string CategoryTitle(const std::string& name);
  void ShowLargePicture(const std::string& picturePath, const std::string& description,
                        const std::string& title);
  std::string LookupDefinition(int kind, const std::string& word);
  void CreateBalloons();
  void PlaceBalloon(int kind);
  void ShowDefinition(int kind, const std::string& definition, const std::string& word);
  void ShowSlideShow(const std::string& key);
  void ShowMovie(const std::string& name);
  void ShowTreePage();
  void ShowPageMenu(const std::string& address);

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
  void Button14Click();  // shows or hides the diagnostic log
  void Button22Click();  // search

  // Full-text search.
  void MakeSearchPage(const std::string& word);
  void SearchPageFiles(const std::string& word);
  bool PageContainsWord(const std::string& word);
  std::string PageResultItem(const std::string& path);
  bool Searching() const { return searching_; }

  // What the last search found, in the order of the results page.
  struct SearchResults {
    std::vector<std::string> dictionaryKeys;
    std::vector<std::string> biotopeKeys;
    std::vector<std::pair<std::string, std::string>> pages;  // path, topic (ISO-8859-2)
  };
  const SearchResults& LastSearch() const { return lastSearch_; }

  // Title strip.
  void MainWebBrowserTitleChange(const std::string& title);
  void ShowTitleStrip(const std::string& topic);

  // Menu pages: the menu of a page number, and generating its menu page.
  std::string MenuForPage(const std::string& page);
  void MakeMenuPage(const std::string& menu, const std::string& page);

  // Contents tree and the main browser's load-complete event.
  void MainWebBrowserDownloadComplete();
  void TreeViewCDChange(int index);
  void TreeViewCDClick();
  void TreeViewCDKeyDown(int& key);

  // Hidden diagnostic button: dump of typMenu into Memo2.
  void Button1Click();

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

  tables::Table SG_RP{"SG_RP", 18};
  tables::Table SG_PK{"SG_PK", 33};
  tables::Table SG_OChK{"SG_OChK", 16};
  tables::Table SG_Foto{"SG_Foto", 6};
  tables::Table SG_Eco{"SG_Eco", 6};
  tables::Table SG_Trans{"SG_Trans", 2};
  tables::Table SG_Dic{"SG_Dic", 3};
  tables::Table SG_Bio{"SG_Bio", 7};
  tables::Table SG_Slide{"SG_Slide", 2};

 private:
  void RunStartupSequence();
  void RegisterCommandHandlers(HandlerTable& handlers);
  void SearchDictionary(const tables::Table& table, int kind, const std::string& word,
                        std::vector<std::string>& keys);
  // One item on the results page, before its marker.
  void AddSearchResult(const std::string& text);

  // While a search lets the message queue run, navigations of the main
  // browser wait; the last one asked for is shown when the search is done.
  bool searching_ = false;
  std::optional<std::string> deferredNavigation_;
  SearchResults lastSearch_;
  navigation::PageIndex pageIndex_;
  // Where the results of the running search go.
  std::optional<pages::MarkerInsertions> searchResults_;
  // Rows 10 and 11 of the dispatcher: a definition in the dictionary balloon.
  void ShowDictionaryLink(int kind, const std::string& word);
  // Row 17: the contents tree covers the page while it loads.
  void ShowTreeOverPage();
  void LoadTables();
  std::array<tables::Table*, tables::kCatalogue.size()> CatalogueTables();
  // Reads the table files while start-up goes on.
  tables::BackgroundReader tableReader_;
  // Reports a non-positive nrKol or a key column outside the table.
  bool DaneArgumentsValid(const tables::Table& table, int nrKol, int keyColumn);

  platform::Platform& platform_;
  platform::Ui& ui_;
  platform::FileSystem& files_;
  platform::Browser& MainWebBrowser_;
  platform::Browser& MenuWebBrowser_;

  int treeSelection_ = -1;  // absolute index of the selected tree node
};

}  // namespace velmora::app
