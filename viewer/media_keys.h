#pragma once
// The keys of the slide-show and film windows: Space, Left, Right and
// Escape, given to the core by the names its FormKeyDown takes ("space",
// "left", "right", "escape"). The windows' buttons take no focus, so the
// keys work wherever the keyboard is in the window.

#include <functional>
#include <string>

class QWidget;

namespace velmora::platform::qt {

void BindMediaKeys(QWidget& window, std::function<void(const std::string& key)> press);

}  // namespace velmora::platform::qt
