#pragma once
// The one place an address leaves the viewer for the desktop's browser or
// mail program. Whether it may leave is decided before, by the hand-off gate
// (hand_off_gate.h); this only delivers it.

#include <QUrl>
#include <functional>

namespace velmora::platform::qt {

// When nothing on the desktop takes the address (no browser or mail
// program, or no opener at all), `tell` hears of it afterwards, from the
// event loop.
void HandOffToDesktop(const QUrl& url);

// Who is told of an address nothing took; empty: nobody.
void TellUnopenedWith(std::function<void(const QUrl&)> tell);

// Gives every address handed off to `receiver` instead of the desktop, so
// that tests see what would leave without starting a browser; an empty
// receiver gives them to the desktop again.
void ReceiveHandOffsWith(std::function<void(const QUrl&)> receiver);

}  // namespace velmora::platform::qt
