#pragma once
// Where a balloon goes before it is shown, by kind: 1 the definition
// balloon, 2 a location picture, 3 a generated location page.

#include "platform/ui.h"
#include "windows/chmurka_form.h"

namespace velmora::windows {

// Sets the balloon's bounds from the main window's; a kind without a
// balloon, or a missing balloon, is left alone.
void PlaceBalloon(platform::Ui& ui, TChmurkaForm* dictionaryBalloon, TChmurkaForm* locationBalloon,
                  int kind);

}  // namespace velmora::windows
