// The link dispatcher: every navigation of the main browser passes here and
// is answered by the row of the link protocol it falls to.

#include "app/main_form.h"
#include "app/main_form_controls.h"
#include "navigation/contents_tree_page.h"
#include "navigation/link_actions.h"
#include "navigation/link_protocol.h"
#include "navigation/link_texts.h"
#include "platform/codepage.h"
#include "windows/balloon_placement.h"

namespace velmora::app {

void TMainForm::MainWebBrowserBeforeNavigate2(const std::string& address, bool& cancel) {
  tableTextRead_ = true;
  if (search_.DeferNavigation(address)) {
    cancel = true;
    return;
  }
  currentAddress_ = platform::LowerAscii(address);
  const navigation::Link link = navigation::ParseLink(
      address, [this](const std::string& path) { return files_.FileExists(path); });
  namespace texts = navigation::link_texts;
  using Row = navigation::LinkRow;
  switch (link.row) {
    case Row::Record:
      records_.MakeDynamicPage(link.key, link.marker);
      break;
    case Row::NationalPark:
      ui_.SetText(Name(main_form::Control("Szukaj")), "PN: " + link.key);
      break;
    case Row::Map:
      locations_.ShowLocation(link.key, pages::LocationMode::LargeMap);
      break;
    case Row::Location:
      locations_.ShowLocation(link.key, pages::LocationMode::InBalloon);
      break;
    case Row::Photo:
      locations_.ShowPhoto(link.key);
      break;
    case Row::Translation:
      navigation::ShowTranslation(pageContext_, MainWebBrowser_, tables_[tables::kTranslationTable],
                                  link.key);
      break;
    case Row::Dictionary:
      ShowDictionaryLink(navigation::DefinitionKind::Dictionary, link.key);
      break;
    case Row::Biotope:
      ShowDictionaryLink(navigation::DefinitionKind::Biotope, link.key);
      break;
    case Row::Animation:
      navigation::StartAnimation(pageContext_, platform_.processes, platform_.shell, link.key,
                                 toldAnimationsNeedWine_);
      break;
    case Row::SlideShow:
      ShowSlideShow(link.key);
      break;
    case Row::Movie:
      ShowMovie(link.key);
      break;
    case Row::Tree:
      tree_.ShowTreePage();
      break;
    case Row::Outside:
      platform_.shell.OpenAddress(currentAddress_);
      break;
    case Row::TreePage:
      tree_.ShowTreeOverPage();
      return;  // proceeds
    case Row::LocalFile:
      menus_.ShowPageMenu(currentAddress_);
      return;  // proceeds
    case Row::Mail:
      return;  // proceeds: an e-mail address
    case Row::Missing:
      ui_.MessageBox(texts::kMissingFile + currentAddress_, texts::kCaption, platform::Icon::Stop);
      break;
  }
  cancel = true;
}

void TMainForm::ReleaseTableText() {
  for (const tables::Table& table : tables_) table.ReleaseText();
}

void TMainForm::ReleaseTableTextWhenIdle() {
  if (tableTextRead_) {
    tableTextRead_ = false;
    tableTextReleased_ = false;
    return;
  }
  if (tableTextReleased_) return;
  ReleaseTableText();
  tableTextReleased_ = true;
}

void TMainForm::OnIdlePeriod() {
  if (!lookupsPrepared_) {
    lookupsPrepared_ = true;
    for (const tables::CatalogueIndex keyed :
         {tables::kReserveTable, tables::kParkTable, tables::kLandscapeTable, tables::kEconetTable,
          tables::kDictionaryTable, tables::kBiotopeTable}) {
      tables_[keyed].PrepareFindRow(0);
    }
    // The record pages' photograph strips search the references.
    tables_[tables::kPhotoTable].PrepareRowsContaining(3);
    tableTextRead_ = true;  // what the passes read goes after a quiet period
  }
  ReleaseTableTextWhenIdle();
}

void TMainForm::MenuWebBrowserBeforeNavigate2(const std::string& address, bool& cancel) {
  const std::string lower = platform::LowerAscii(address);
  if (navigation::IsContentsPage(lower) || navigation::IsMenuPage(lower)) return;
  MainWebBrowser_.Navigate(lower);
  cancel = true;
}

void TMainForm::MainWebBrowserDownloadComplete() {
  // The contents tree stays over the contents page only.
  if (!navigation::IsContentsPage(currentAddress_)) ShowBrowserView(true);
}

void TMainForm::ShowDictionaryLink(navigation::DefinitionKind kind, const std::string& word) {
  std::string definition = LookupDefinition(kind, word);
  if (definition.empty()) definition = navigation::link_texts::kWordMissing;
  PlaceBalloon(windows::BalloonKind::Definition);
  ShowDefinition(kind, definition, word);
}

void TMainForm::CreateBalloons() {
  auto create = [this](const char* name, const char* label) {
    return windows::CreateBalloon(
        name, label, platform_,
        {.paths = paths_,
         .mainBrowser = MainWebBrowser_,
         .lookupDefinition = [this](navigation::DefinitionKind kind, const std::string& word) {
           return LookupDefinition(kind, word);
         }});
  };
  dictionaryBalloon_ =
      create(platform::names::kDictionaryBalloon, windows::balloon_texts::kDictionary);
  locationBalloon_ = create(platform::names::kLocationBalloon, windows::balloon_texts::kLocation);
}

void TMainForm::PlaceBalloon(windows::BalloonKind kind) {
  windows::PlaceBalloon(ui_, dictionaryBalloon_.get(), locationBalloon_.get(), kind);
}

void TMainForm::ShowDefinition(navigation::DefinitionKind kind, const std::string& definition,
                               const std::string& word) {
  if (dictionaryBalloon_) dictionaryBalloon_->ShowDefinition(kind, definition, word);
}

}  // namespace velmora::app
