#pragma once
// What a page causes. The core answers a page's navigation (a link, a
// script, a window it opens) on the spot, and may raise a message box while
// doing so; a page can ask thousands of times in a row, each box waiting
// for the user. So boxes raised while the core answers a page are limited:
// after a few with no input from the user in between, further ones are
// only logged, until the user acts again.

#include <string>

namespace velmora::platform::qt {

// Marks the core's answer to something a page asked for.
class PageCausedWork {
 public:
  PageCausedWork();
  ~PageCausedWork();
  PageCausedWork(const PageCausedWork&) = delete;
  PageCausedWork& operator=(const PageCausedWork&) = delete;

  static bool Running();
};

// Boxes a page may cause with no input from the user in between.
inline constexpr int kPageCausedMessagesShown = 3;

// Whether a message box raised now is shown. False when a page caused it
// beyond the limit, or the program is ending; the text is logged then.
bool ShowMessageBoxNow(const std::string& utf8Text);

}  // namespace velmora::platform::qt
