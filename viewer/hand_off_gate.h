#pragma once
// Which addresses may leave for the desktop's browser or mail program. A
// page's navigation hands one off only when the user started it: a link
// navigation (or a new window) right after a real click or Enter/Space on
// that browser, one address per input. Page scripts cannot make such input,
// so it is watched on the views themselves. The program's own hand-offs
// (outside any navigation of a page) pass. Every hand-off counts against a
// small limit per time window. Each refusal is logged with its reason
// ("velmora: refused ... - reason") and kept for tests.

#include <QString>
#include <QUrl>
#include <QWebEnginePage>
#include <vector>

#include "viewer/refusal_log.h"

class QWidget;

namespace velmora::platform::qt {

// A real input may start a navigation for this long.
inline constexpr int kUserInputMs = 2000;
// At most this many hand-offs in kHandOffWindowMs.
inline constexpr int kMaxHandOffs = 3;
inline constexpr int kHandOffWindowMs = 10000;

using RefusedHandOff = Refusal;

// Watches the view and the widgets the engine draws into for mouse button
// releases and Enter/Space presses.
void WatchUserInput(QWidget* view);

// Why a navigation of the page in `view` was not started by the user, or an
// empty text when it was; the latter takes up the input that started it.
QString NavigationNotByUser(QWebEnginePage::NavigationType type, const QWidget* view);
QString NewWindowNotByUser(bool userInitiated, const QWidget* view);

// While alive, the core is answering a navigation of a page; `notByUser` is
// what NavigationNotByUser said of it. Scopes nest with the event loops the
// core opens; the innermost one decides.
class NavigationBeingAsked {
 public:
  explicit NavigationBeingAsked(QString notByUser);
  ~NavigationBeingAsked();
  NavigationBeingAsked(const NavigationBeingAsked&) = delete;
  NavigationBeingAsked& operator=(const NavigationBeingAsked&) = delete;

 private:
  friend bool HandOffIfAllowed(const QUrl& url);
  QString notByUser_;
  bool handedOff_ = false;
  NavigationBeingAsked* outer_;
};

// Hands the address to the desktop (HandOffToDesktop) when the navigation
// being asked, if any, allows it and the limit is not reached; else records
// the refusal. True when handed off.
bool HandOffIfAllowed(const QUrl& url);

// The refusals so far, oldest first (the latest 1000), and forgetting them.
std::vector<RefusedHandOff> RefusedHandOffs();
void ClearRefusedHandOffs();

}  // namespace velmora::platform::qt
