#pragma once
// The one place an address leaves the viewer for the desktop's browser or
// mail program. Whether it may leave is decided before, by the hand-off gate
// (hand_off_gate.h); this only delivers it.

#include <QUrl>
#include <functional>

namespace velmora::platform::qt {

void HandOffToDesktop(const QUrl& url);

// Gives every address handed off to `receiver` instead of the desktop, so
// that tests see what would leave without starting a browser; an empty
// receiver gives them to the desktop again.
void ReceiveHandOffsWith(std::function<void(const QUrl&)> receiver);

}  // namespace velmora::platform::qt
