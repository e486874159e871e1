#pragma once
// Where a balloon goes before it is shown, by kind: 1 the definition
// balloon, 2 a location picture, 3 a generated location page.

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/ui.h"
#include "windows/chmurka_form.h"

namespace velmora::windows {

// A balloon window, hidden, with its title label.
std::unique_ptr<TChmurkaForm> CreateBalloon(const std::string& name, const std::string& label,
                                            platform::Platform& platform, BalloonHost host);

// Sets the balloon's bounds from the main window's; a kind without a
// balloon, or a missing balloon, is left alone.
void PlaceBalloon(platform::Ui& ui, TChmurkaForm* dictionaryBalloon, TChmurkaForm* locationBalloon,
                  int kind);

}  // namespace velmora::windows
