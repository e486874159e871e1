#include "app/main_form.h"

#include "app/main_form_controls.h"
#include "app/programs.h"
#include "app/support_files.h"
#include "app/texts.h"
#include "app/working_directory.h"
#include "pages/generated_page.h"
#include "tables/catalogue.h"
#include "tables/disc_files.h"

namespace velmora::app {

using main_form::Control;
using main_form::Handler;

namespace {

pages::AreaTables AreaTablesOf(const tables::CatalogueTables& tables) {
  return {tables[tables::kReserveTable], tables[tables::kParkTable],
          tables[tables::kLandscapeTable], tables[tables::kEconetTable],
          tables[tables::kPhotoTable]};
}

}  // namespace

TMainForm::TMainForm(platform::Platform& platform)
    : platform_(platform),
      ui_(platform.ui),
      files_(platform.files),
      MainWebBrowser_(platform.browsers.Get(platform::names::kMainWebBrowser)),
      MenuWebBrowser_(platform.browsers.Get(platform::names::kMenuWebBrowser)),
      MainRichEdit_(platform.files),
      RichEditSearch_(platform.files),
      locations_(pageContext_, MainRichEdit_, MainWebBrowser_, AreaTablesOf(tables_),
                 {.showMap =
                      [this](const std::string& picture) {
                        PlaceBalloon(windows::BalloonKind::LocationPicture);
                        locationBalloon_->ShowLocationMap(paths_.templateDir, picture,
                                                          paths_.workDir);
                      },
                  .showPage =
                      [this](const std::string& page) {
                        PlaceBalloon(windows::BalloonKind::LocationPage);
                        locationBalloon_->ShowLocationPage(page);
                      }}),
      records_(pageContext_, MainRichEdit_, MainWebBrowser_, AreaTablesOf(tables_)),
      titleStrip_(pageContext_, RichEditSearch_, platform.browsers),
      dictionary_(pageContext_, RichEditSearch_, tables_[tables::kDictionaryTable],
                  tables_[tables::kBiotopeTable]),
      menus_(pageContext_, MainRichEdit_, MenuWebBrowser_, typMenu_, plikMenu_, lastMenu_,
             {.windowExists = [this] { return mediaWindowsCreated_; },
              .advancing = [this] { return SlideShowAdvancing(); }}),
      tree_(pageContext_, MainWebBrowser_, daneDrzewa_, [this] { ReleaseCategoryButtons(); }),
      search_(pageContext_, MainRichEdit_, RichEditSearch_, MainWebBrowser_,
              tables_[tables::kDictionaryTable], tables_[tables::kBiotopeTable], dictionary_,
              {.releaseCategoryButtons = [this] { ReleaseCategoryButtons(); },
               .showWait = [this] { czekajForm_.Show(); },
               .advanceWait = [this] { czekajForm_.Advance(); },
               .hideWait = [this] { czekajForm_.Hide(); }}),
      slideForm_({paths_, MainRichEdit_, tables_[tables::kPhotoTable], columns_}, platform),
      movieForm_(platform),
      czekajForm_(platform.ui) {
  platform::BrowserEvents mainEvents;
  mainEvents.BeforeNavigate2 = [this](const std::string& address, bool& cancel) {
    MainWebBrowserBeforeNavigate2(address, cancel);
  };
  mainEvents.TitleChange = [this](const std::string& title) { MainWebBrowserTitleChange(title); };
  mainEvents.DownloadComplete = [this] { MainWebBrowserDownloadComplete(); };
  mainEvents.CommandStateChange = [this](int command, bool enable) {
    MainWebBrowserCommandStateChange(command, enable);
  };
  MainWebBrowser_.SetEvents(std::move(mainEvents));
  platform::BrowserEvents menuEvents;
  menuEvents.BeforeNavigate2 = [this](const std::string& address, bool& cancel) {
    MenuWebBrowserBeforeNavigate2(address, cancel);
  };
  MenuWebBrowser_.SetEvents(std::move(menuEvents));
  RunStartupSequence();
}

void TMainForm::RunStartupSequence() {
  contentMissing_ = !LocateContent(platform_, paths_);
  if (contentMissing_) {
    ui_.Terminate();
    return;
  }
  loadingForm_ = std::make_unique<windows::TLoadingForm>(ui_);
  loadingForm_->Show();
  ui_.ProcessMessages();

  paths_.DeriveDirectories();
  workDirCreated_ = PrepareWorkingDirectory(files_, paths_);
  if (workDirCreated_) {
    platform_.browsers.AllowLocalDirectories(
        {paths_.contentRoot, paths_.installRoot, paths_.workDir});
  } else {
    // The temporary-files directory itself: the pages may load what the
    // program put there, not what other programs keep in it.
    platform_.browsers.AllowLocalDirectories({paths_.contentRoot, paths_.installRoot});
    platform_.browsers.AllowLocalFilesIn(paths_.workDir, OwnWorkingFileNames());
  }
  LoadTables();
  tables::ResolveSlidePictures(tables_[tables::kSlideTable], files_, paths_.photoDir);
  LoadDaneMenu(tables::disc_files::kMenuTable);
  ui_.ProcessMessages();
  LoadDaneDrzewa1(tables::disc_files::kTreeTable);
  ui_.ProcessMessages();
  CreateBalloons();

  ui_.MaximizeWindow(platform::names::kMainForm);
  MainWebBrowser_.Navigate(paths_.dataDir + tables::disc_files::kStartPage);
  ShowBrowserView(true);
  loadingForm_->Close();
  ui_.ProcessMessages();
}

void TMainForm::LoadTables() {
  // Read once the start page has had its time (FormShow).
  tableLoading_.Hold();
  for (std::size_t i = 0; i < tables::kCatalogue.size(); ++i) {
    const auto index = static_cast<tables::CatalogueIndex>(i);
    const tables::CatalogueEntry& entry = tables::kCatalogue[i];
    // The slide table is used at once (ResolveSlidePictures).
    tableLoading_.Load(tables_[index], entry.declaredColumns,
                       paths_.tableDir + std::string(entry.fileName), index == tables::kSlideTable);
    ui_.ProcessMessages();
  }
}

void TMainForm::FormShow() {
  if (contentMissing_) {
    ui_.SetWindowLeft(platform::names::kMainForm, 1500);
    ui_.Terminate();
    return;
  }
  AdjustTitleStrip();
  PauseWithMessages(200);
  // The start page has had the pause to itself; the table files are read
  // while the start-up program plays. A failed read still ends the start-up
  // as a missing file does.
  tableLoading_.Resume();
  const DiscProgramStart start =
      LaunchDiscProgram(platform_, paths_, tables::disc_files::kStartProgram);
  if (start.neededWine) TellOnceThatWineWouldPlay(platform_, paths_);
  WaitForProgram(start.handle);
  std::vector<const tables::Table*> all;
  for (const tables::Table& table : tables_) all.push_back(&table);
  tableLoading_.WaitForAll(all);
}

void TMainForm::ShowBrowserView(bool show) {
  if (!show) return;
  MainWebBrowser_.SetVisible(true);
  ui_.SetVisible(Name(Control("MainRichEdit")), false);
  ui_.SetVisible(Name(Control("TreeViewCD")), false);
}

void TMainForm::FormClose() {
  CleanWorkingDirectory(files_, paths_.workDir, workDirCreated_);
  ui_.SetColor(platform::names::kMainForm, 0x000000);
  ui_.SetVisible(Name(Control("Panel1")), false);
  ui_.SetVisible(Name(Control("Panel2")), false);
  ui_.SetVisible(Name(Control("Panel3")), false);
  WaitForProgram(LaunchDiscProgram(platform_, paths_, tables::disc_files::kClosingProgram).handle);
}

void TMainForm::RegisterHandlers(platform::HandlerTable& handlers) {
  auto on = windows::Registrar<main_form::Description>(handlers);
  on(Handler("FormShow"), [this](const std::string&) { FormShow(); });
  on(Handler("FormClose"), [this](const std::string&) { FormClose(); });
  RegisterCommandHandlers(handlers);
  on(Handler("MainWebBrowserDownloadComplete"),
     [this](const std::string&) { MainWebBrowserDownloadComplete(); });
  on(Handler(platform::names::kTreeViewCDChange), [this](const std::string& argument) {
    TreeViewCDChange(tables::ParseWholeNumber(argument).value_or(-1));
  });
  on(Handler(platform::names::kTreeViewCDClick), [this](const std::string&) { TreeViewCDClick(); });
  on(Handler(platform::names::kTreeViewCDKeyDown), [this](const std::string& argument) {
    int key = tables::ParseWholeNumber(argument).value_or(0);
    TreeViewCDKeyDown(key);
  });
  on(Handler("Button1Click"), [this](const std::string&) { Button1Click(); });
}

void TMainForm::CreateMediaWindows() {
  slideForm_.FormCreate();
  movieForm_.FormCreate();
  mediaWindowsCreated_ = true;
}

void TMainForm::RegisterBalloonHandlers(platform::HandlerTable& handlers) {
  for (windows::TChmurkaForm* balloon : {dictionaryBalloon_.get(), locationBalloon_.get()}) {
    if (!balloon) continue;
    platform::HandlerTable own;
    balloon->RegisterHandlers(own);
    for (auto& [name, handler] : own) handlers[balloon->name() + "." + name] = std::move(handler);
  }
}

}  // namespace velmora::app
