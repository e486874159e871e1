// The main window's side of the balloons: creating them at start-up and
// placing them before each show.

#include "app/main_form.h"
#include "windows/chmurka_form.h"

namespace velmora::app {

void TMainForm::CreateBalloons() {
  auto create = [this](const char* name, const char* label) {
    auto balloon = std::make_unique<windows::TChmurkaForm>(
        name, platform_,
        windows::BalloonHost{
            .paths = paths,
            .mainBrowser = MainWebBrowser_,
            .lookupDefinition =
                [this](int kind, const std::string& word) { return LookupDefinition(kind, word); },
        });
    // A new window is hidden already: nothing to hide or show yet.
    balloon->SetLabel(label);
    return balloon;
  };
  DictionaryBalloon = create("DictionaryBalloon", windows::balloon_texts::kDictionary);
  LocationBalloon = create("LocationBalloon", windows::balloon_texts::kLocation);
}

void TMainForm::PlaceBalloon(int kind) {
  struct Size {
    int width;
    int height;
  };
  windows::TChmurkaForm* balloon = nullptr;
  Size size{};
  switch (kind) {
    case 1:
      balloon = DictionaryBalloon.get();
      size = {350, 250};
      break;
    case 2:
      balloon = LocationBalloon.get();
      size = {250, 250};
      break;
    case 3:
      balloon = LocationBalloon.get();
      size = {260, 280};
      break;
    default:
      return;
  }
  if (!balloon) return;
  const platform::Bounds window = ui_.GetBounds("MainForm");
  int left = 0;
  int top = 0;
  if (kind == 1) {
    // At the right edge, just above the bottom button bar.
    left = window.width - size.width;
    top = ui_.GetBounds("Panel2").top - size.height;
  } else {
    // In the upper right corner of the main browser, 20 pixels in.
    const platform::Bounds browser = ui_.GetBounds("MainWebBrowser");
    left = window.left + browser.width - size.width - 20;
    top = window.top + browser.top + ui_.GetBounds("Panel4").height - 30;
  }
  ui_.SetWindowBounds(balloon->name(), left, top, size.width, size.height);
}

void TMainForm::ShowDefinition(int kind, const std::string& definition, const std::string& word) {
  if (DictionaryBalloon) DictionaryBalloon->ShowDefinition(kind, definition, word);
}

}  // namespace velmora::app
