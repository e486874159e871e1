#include "app/main_form.h"

#include "app/programs.h"
#include "app/support_files.h"
#include "app/texts.h"
#include "app/working_directory.h"
#include "pages/generated_page.h"
#include "tables/catalogue.h"

namespace velmora::app {

TMainForm::TMainForm(platform::Platform& platform)
    : MainRichEdit(platform.files),
      RichEditSearch(platform.files),
      platform_(platform),
      ui_(platform.ui),
      files_(platform.files),
      MainWebBrowser_(platform.browsers.Get(platform::names::kMainWebBrowser)),
      MenuWebBrowser_(platform.browsers.Get(platform::names::kMenuWebBrowser)),
      locations_(pageContext_, MainRichEdit, MainWebBrowser_,
                 {SG_RP, SG_PK, SG_OChK, SG_Eco, SG_Foto},
                 {.showMap =
                      [this](const std::string& picture) {
                        PlaceBalloon(2);
                        LocationBalloon->ShowLocationMap(paths.templateDir, picture, paths.workDir);
                      },
                  .showPage =
                      [this](const std::string& page) {
                        PlaceBalloon(3);
                        LocationBalloon->ShowLocationPage(page);
                      }}),
      records_(pageContext_, MainRichEdit, MainWebBrowser_,
               {SG_RP, SG_PK, SG_OChK, SG_Eco, SG_Foto}),
      titleStrip_(pageContext_, RichEditSearch, platform.browsers),
      dictionary_(pageContext_, RichEditSearch, SG_Dic, SG_Bio),
      menus_(pageContext_, MainRichEdit, MenuWebBrowser_, typMenu, plikMenu, lastMenu,
             {.windowExists = [this] { return SlideWindowExists(); },
              .advancing = [this] { return SlideShowAdvancing(); }}),
      tree_(pageContext_, MainWebBrowser_, daneDrzewa, [this] { ReleaseCategoryButtons(); }),
      search_(pageContext_, MainRichEdit, RichEditSearch, MainWebBrowser_, SG_Dic, SG_Bio,
              dictionary_,
              {.releaseCategoryButtons = [this] { ReleaseCategoryButtons(); },
               .showWait =
                   [this] {
                     if (CzekajForm) CzekajForm->Show();
                   },
               .advanceWait =
                   [this] {
                     if (CzekajForm) CzekajForm->Advance();
                   },
               .hideWait =
                   [this] {
                     if (CzekajForm) CzekajForm->Hide();
                   }}) {
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
  contentMissing = !LocateContent(platform_, paths);
  if (contentMissing) {
    ui_.Terminate();
    return;
  }
  LoadingForm = std::make_unique<windows::TLoadingForm>(ui_);
  LoadingForm->Show();
  ui_.ProcessMessages();

  paths.DeriveDirectories();
  workDirCreated = PrepareWorkingDirectory(files_, paths);
  if (workDirCreated) {
    platform_.browsers.AllowLocalDirectories({paths.contentRoot, paths.installRoot, paths.workDir});
  } else {
    // The temporary-files directory itself: the pages may load what the
    // program put there, not what other programs keep in it.
    platform_.browsers.AllowLocalDirectories({paths.contentRoot, paths.installRoot});
    platform_.browsers.AllowLocalFilesIn(paths.workDir, OwnWorkingFileNames());
  }
  LoadTables();
  tables::ResolveSlidePictures(SG_Slide, files_, paths.photoDir);
  LoadDaneMenu("MENU.CSV");
  ui_.ProcessMessages();
  LoadDaneDrzewa1("DRZEWO1.CSV");
  ui_.ProcessMessages();
  CreateBalloons();

  ui_.MaximizeWindow("MainForm");
  MainWebBrowser_.Navigate(paths.dataDir + "799.htm");
  ShowBrowserView(true);
  LoadingForm->Close();
  ui_.ProcessMessages();
}

std::vector<tables::Table*> TMainForm::CatalogueTables() {
  // In the catalogue's order, which is the loading order.
  return {&SG_RP, &SG_PK, &SG_OChK, &SG_Foto, &SG_Eco, &SG_Trans, &SG_Dic, &SG_Bio, &SG_Slide};
}

void TMainForm::LoadTables() {
  // Read once the start page has had its time (FormShow).
  tableLoading_.Hold();
  const auto members = CatalogueTables();
  for (std::size_t i = 0; i < tables::kCatalogue.size(); ++i) {
    const tables::CatalogueEntry& entry = tables::kCatalogue[i];
    // The slide table is used at once (ResolveSlidePictures).
    tableLoading_.Load(*members[i], entry.declaredColumns,
                       paths.tableDir + std::string(entry.fileName), members[i] == &SG_Slide);
    ui_.ProcessMessages();
  }
}

void TMainForm::FormShow() {
  if (contentMissing) {
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
  const DiscProgramStart start = LaunchDiscProgram(platform_, paths, "start.exe");
  if (start.neededWine) TellOnceThatWineWouldPlay(platform_, paths);
  WaitForProgram(start.handle);
  const std::vector<tables::Table*> all = CatalogueTables();
  tableLoading_.WaitForAll({all.begin(), all.end()});
}

void TMainForm::ShowBrowserView(bool show) {
  if (!show) return;
  MainWebBrowser_.SetVisible(true);
  ui_.SetVisible("MainRichEdit", false);
  ui_.SetVisible("TreeViewCD", false);
}

void TMainForm::FormClose() {
  CleanWorkingDirectory(files_, paths.workDir, workDirCreated);
  ui_.SetColor("MainForm", 0x000000);
  ui_.SetVisible("Panel1", false);
  ui_.SetVisible("Panel2", false);
  ui_.SetVisible("Panel3", false);
  WaitForProgram(LaunchDiscProgram(platform_, paths, "fin.exe").handle);
}

void TMainForm::RegisterHandlers(HandlerTable& handlers) {
  handlers["FormShow"] = [this](const std::string&) { FormShow(); };
  handlers["FormClose"] = [this](const std::string&) { FormClose(); };
  RegisterCommandHandlers(handlers);
  handlers["MainWebBrowserDownloadComplete"] = [this](const std::string&) {
    MainWebBrowserDownloadComplete();
  };
  handlers[platform::names::kTreeViewCDChange] = [this](const std::string& argument) {
    TreeViewCDChange(tables::ParseWholeNumber(argument).value_or(-1));
  };
  handlers[platform::names::kTreeViewCDClick] = [this](const std::string&) { TreeViewCDClick(); };
  handlers[platform::names::kTreeViewCDKeyDown] = [this](const std::string& argument) {
    int key = tables::ParseWholeNumber(argument).value_or(0);
    TreeViewCDKeyDown(key);
  };
  handlers["Button1Click"] = [this](const std::string&) { Button1Click(); };
}

void TMainForm::RegisterBalloonHandlers(HandlerTable& handlers) {
  for (windows::TChmurkaForm* balloon : {DictionaryBalloon.get(), LocationBalloon.get()}) {
    if (!balloon) continue;
    HandlerTable own;
    balloon->RegisterHandlers(own);
    for (auto& [name, handler] : own) handlers[balloon->name() + "." + name] = std::move(handler);
  }
}

}  // namespace velmora::app
