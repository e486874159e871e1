#pragma once
// Where a balloon goes before it is shown, by what it shows.

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/ui.h"
#include "windows/chmurka_form.h"

namespace velmora::windows {

// What a balloon is about to show: a definition (the dictionary balloon), a
// location picture or a generated location page (the location balloon).
enum class BalloonKind { Definition, LocationPicture, LocationPage };

// A balloon window, hidden, with its title label.
std::unique_ptr<TChmurkaForm> CreateBalloon(const std::string& name, const std::string& label,
                                            platform::Platform& platform, BalloonHost host);

// Sets the balloon's bounds from the main window's; a missing balloon is
// left alone.
void PlaceBalloon(platform::Ui& ui, TChmurkaForm* dictionaryBalloon, TChmurkaForm* locationBalloon,
                  BalloonKind kind);

}  // namespace velmora::windows
