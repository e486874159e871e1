#include "windows/balloon_placement.h"

#include "platform/handlers.h"

namespace velmora::windows {

std::unique_ptr<TChmurkaForm> CreateBalloon(const std::string& name, const std::string& label,
                                            platform::Platform& platform, BalloonHost host) {
  auto balloon = std::make_unique<TChmurkaForm>(name, platform, std::move(host));
  // A new window is hidden already: nothing to hide or show yet.
  balloon->SetLabel(label);
  return balloon;
}

void PlaceBalloon(platform::Ui& ui, TChmurkaForm* dictionaryBalloon, TChmurkaForm* locationBalloon,
                  BalloonKind kind) {
  struct Size {
    int width;
    int height;
  };
  TChmurkaForm* balloon = nullptr;
  Size size{};
  switch (kind) {
    case BalloonKind::Definition:
      balloon = dictionaryBalloon;
      size = {350, 250};
      break;
    case BalloonKind::LocationPicture:
      balloon = locationBalloon;
      size = {250, 250};
      break;
    case BalloonKind::LocationPage:
      balloon = locationBalloon;
      size = {260, 280};
      break;
  }
  if (!balloon) return;
  const platform::Bounds window = ui.GetBounds(platform::names::kMainForm);
  int left = 0;
  int top = 0;
  if (kind == BalloonKind::Definition) {
    // At the right edge, just above the bottom button bar.
    left = window.width - size.width;
    top = ui.GetBounds(platform::names::kPanel2).top - size.height;
  } else {
    // In the upper right corner of the main browser, 20 pixels in.
    const platform::Bounds browser = ui.GetBounds(platform::names::kMainWebBrowser);
    left = window.left + browser.width - size.width - 20;
    top = window.top + browser.top + ui.GetBounds(platform::names::kPanel4).height - 30;
  }
  ui.SetWindowBounds(balloon->name(), left, top, size.width, size.height);
}

}  // namespace velmora::windows
