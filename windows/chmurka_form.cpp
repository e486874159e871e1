#include "windows/chmurka_form.h"

#include "pages/generated_page.h"
#include "pages/replacement.h"
#include "pages/template_files.h"

namespace velmora::windows {

namespace {

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

bool DragAllowed(DragOffset offset, int screenWidth, int screenHeight, bool leftButtonHeld) {
  return offset.dx > 0 && offset.dx < screenWidth && offset.dy > 0 && offset.dy < screenHeight &&
         leftButtonHeld;
}

TChmurkaForm::TChmurkaForm(std::string name, platform::Platform& platform, BalloonHost host)
    : RichEdit(platform.files),
      name_(std::move(name)),
      ui_(platform.ui),
      files_(platform.files),
      CppWebBrowser_(platform.browsers.Get(Qualified(chmurka_form::Control("CppWebBrowser")))),
      host_(std::move(host)) {
  platform::BrowserEvents events;
  events.BeforeNavigate2 = [this](const std::string& address, bool& cancel) {
    CppWebBrowserBeforeNavigate2(address, cancel);
  };
  CppWebBrowser_.SetEvents(std::move(events));
}

void TChmurkaForm::SetLabel(const std::string& text) {
  ui_.SetText(Qualified(chmurka_form::Control("Label1")), text);
}

void TChmurkaForm::MakeVisible() {
  if (visible_) return;
  visible_ = true;
  ui_.ShowWindow(name_);
  FormShow();
}

void TChmurkaForm::FormShow() { justShown_ = true; }

void TChmurkaForm::FormClose() { visible_ = false; }

void TChmurkaForm::LMDSpeedButton30Click() { ui_.CloseWindow(name_); }

void TChmurkaForm::ReplaceAll(const std::string& placeholder, const std::string& value) {
  pages::ReplaceAllIn(RichEdit, placeholder, value);
}

void TChmurkaForm::UkryjPasekBrowsera(bool hide) {
  // Filling the area below the strip; with hide, 20 pixels wider, so the
  // window clips the vertical scroll bar.
  ui_.PlaceInParent(Qualified(chmurka_form::Control("CppWebBrowser")), 0, kTitleStripHeight,
                    hide ? kScrollBarWidth : 0, -kTitleStripHeight);
}

void TChmurkaForm::ShowDefinition(navigation::DefinitionKind kind, const std::string& definition,
                                  const std::string& word) {
  ui_.SetCaption(name_, kind == navigation::DefinitionKind::Dictionary ? balloon_texts::kDictionary
                                                                       : balloon_texts::kBiotopes);
  MakeVisible();
  UkryjPasekBrowsera(false);
  // An unreadable template leaves the balloon on its previous page.
  if (!RichEdit.LoadFromFile(host_.paths.templateDir + pages::template_files::kDefinition)) return;
  ReplaceAll("<!--@opis@-->", definition);
  ReplaceAll("http://db?path", host_.paths.dataDir);
  if (!justShown_) ReplaceAll("<!--@back@-->", balloon_texts::kBackLink);
  const std::string path = host_.paths.workDir + pages::GeneratedFileName("dict", word);
  RichEdit.SaveToFile(path);  // the existence test decides
  if (!files_.FileExists(path)) {
    ui_.MessageBox(pages::kMissingFile + path, balloon_texts::kShowDictionaryCaption,
                   platform::Icon::Stop);
    return;
  }
  justShown_ = false;
  CppWebBrowser_.Navigate(path);
}

void TChmurkaForm::ShowLocationMap(const std::string& templateDir, const std::string& picture,
                                   const std::string& workDir) {
  ui_.SetCaption(name_, balloon_texts::kLocation);
  if (RichEdit.LoadFromFile(templateDir + pages::template_files::kPicture)) {
    const std::size_t at = RichEdit.Find("m.jpg", 0, true);
    if (at != pages::PageBuffer::npos) RichEdit.Replace(at, 5, picture);
    const std::string path = workDir + pages::GeneratedFileName("chmurka");
    RichEdit.SaveToFile(path);
    CppWebBrowser_.Navigate(path);
  }
  ui_.SetVisible(Qualified(chmurka_form::Control("RichEdit")), false);
  MakeVisible();
  UkryjPasekBrowsera(true);
}

void TChmurkaForm::ShowLocationPage(const std::string& file) {
  CppWebBrowser_.Navigate(file);
  ui_.SetVisible(Qualified(chmurka_form::Control("RichEdit")), false);
  MakeVisible();
  UkryjPasekBrowsera(true);
}

void TChmurkaForm::CppWebBrowserBeforeNavigate2(const std::string& address, bool& cancel) {
  const std::size_t dic = address.find("?dic");
  if (dic != std::string::npos) {
    const std::string word = address.substr(dic + 4);
    constexpr auto kDictionary = navigation::DefinitionKind::Dictionary;
    ShowDefinition(kDictionary, host_.lookupDefinition(kDictionary, word), word);
    cancel = true;
    return;
  }
  if (Contains(address, "$$chmurka.html") || Contains(address, "$$dict") ||
      Contains(address, "-loc.html") || Contains(address, "javascript")) {
    return;
  }
  host_.mainBrowser.Navigate(address);
  cancel = true;
}

void TChmurkaForm::Panel1MouseDown() {
  const platform::ScreenPoint cursor = ui_.CursorPosition();
  const platform::Bounds window = ui_.GetBounds(name_);
  dragOffset_ = {cursor.x - window.left, cursor.y - window.top};
}

void TChmurkaForm::Panel1MouseMove(bool leftButtonHeld) {
  const platform::Bounds screen = ui_.ScreenSize();
  if (!DragAllowed(dragOffset_, screen.width, screen.height, leftButtonHeld)) return;
  const platform::ScreenPoint cursor = ui_.CursorPosition();
  const platform::Bounds window = ui_.GetBounds(name_);
  ui_.SetWindowBounds(name_, cursor.x - dragOffset_.dx, cursor.y - dragOffset_.dy, window.width,
                      window.height);
}

void TChmurkaForm::RegisterHandlers(platform::HandlerTable& handlers) {
  using chmurka_form::Handler;
  auto on = windows::Registrar<chmurka_form::Description>(handlers);
  on(Handler("Panel1MouseDown"), [this](const std::string&) { Panel1MouseDown(); });
  // "left" when the left button is held during the move.
  on(Handler("Panel1MouseMove"), [this](const std::string& buttons) {
    Panel1MouseMove(buttons.find("left") != std::string::npos);
  });
  on(Handler("LMDSpeedButton30Click"), [this](const std::string&) { LMDSpeedButton30Click(); });
  on(Handler("FormClose"), [this](const std::string&) { FormClose(); });
  on(Handler("FormResize"), [this](const std::string&) { FormResize(); });
}

}  // namespace velmora::windows
