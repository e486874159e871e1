#pragma once
// The balloon window: a small borderless popup on top of the main window
// with its own browser and page buffer. Two live for the whole run, one for
// definitions and one for locations; closing one only hides it.

#include <functional>
#include <string>

#include "navigation/dictionary.h"
#include "pages/page_buffer.h"
#include "platform/handlers.h"
#include "platform/platform.h"
#include "tables/content_paths.h"
#include "windows/chmurka_form_controls.h"

namespace velmora::windows {

namespace balloon_texts {
// Windows-1250.
inline constexpr const char* kDictionary = "S\xB3ownik";
inline constexpr const char* kBiotopes = "S\xB3ownik biotop\xF3w";
inline constexpr const char* kLocation = "Lokalizacja";
inline constexpr const char* kShowDictionaryCaption = "Poka\xBF S\xB3ownik";
inline constexpr const char* kBackLink =
    "<br><br><center><A HREF=\"javascript:history.go(-1)\">wstecz...</A></center>";
}  // namespace balloon_texts

// How far a hidden scroll bar is pushed past the right edge.
inline constexpr int kScrollBarWidth = 20;

// The cursor's offset from the window's top left corner at the last press
// on the title strip.
struct DragOffset {
  int dx = 0;
  int dy = 0;
};

// Whether a move with this offset may drag: both parts inside the screen and
// not on the first pixel row or column, and the left button held.
bool DragAllowed(DragOffset offset, int screenWidth, int screenHeight, bool leftButtonHeld);

// What the balloon needs of the main window.
struct BalloonHost {
  const tables::ContentPaths& paths;
  platform::Browser& mainBrowser;
  std::function<std::string(navigation::DefinitionKind kind, const std::string& word)>
      lookupDefinition;
};

class TChmurkaForm {
 public:
  // name is the window instance ("DictionaryBalloon"); the balloon's browser
  // is name + ".CppWebBrowser".
  TChmurkaForm(std::string name, platform::Platform& platform, BalloonHost host);
  TChmurkaForm(const TChmurkaForm&) = delete;
  TChmurkaForm& operator=(const TChmurkaForm&) = delete;

  void ShowDefinition(navigation::DefinitionKind kind, const std::string& definition,
                      const std::string& word);
  void ShowLocationMap(const std::string& templateDir, const std::string& picture,
                       const std::string& workDir);
  void ShowLocationPage(const std::string& file);
  void UkryjPasekBrowsera(bool hide);
  void ReplaceAll(const std::string& placeholder, const std::string& value);

  // Event handlers.
  void CppWebBrowserBeforeNavigate2(const std::string& address, bool& cancel);
  void Panel1MouseDown();
  void Panel1MouseMove(bool leftButtonHeld);
  void LMDSpeedButton30Click();
  void FormShow();
  void FormClose();
  void FormResize() {}

  // Set once, at creation.
  void SetLabel(const std::string& text);

  // Handlers reachable from a replay script, without the window prefix.
  void RegisterHandlers(platform::HandlerTable& handlers);

  const std::string& name() const { return name_; }
  bool visible() const { return visible_; }
  bool justShown() const { return justShown_; }
  DragOffset dragOffset() const { return dragOffset_; }

  pages::PageBuffer RichEdit;

 private:
  // Makes the window visible; its show event runs when it was hidden.
  void MakeVisible();
  // The control as the platform knows it in this instance.
  std::string Qualified(chmurka_form::ControlId control) const {
    return chmurka_form::Qualified(name_, control);
  }

  std::string name_;
  platform::Ui& ui_;
  platform::FileSystem& files_;
  platform::Browser& CppWebBrowser_;
  BalloonHost host_;
  bool visible_ = false;
  bool justShown_ = false;
  DragOffset dragOffset_;
};

}  // namespace velmora::windows
