#include "viewer/page_caused.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QWidget>

#include "viewer/exit_open_dialog.h"

namespace velmora::platform::qt {
namespace {

int running = 0;
int shownSinceUserInput = 0;

// Counts the boxes anew at each click or key the user gives the program's
// windows; answering one of the boxes is no such input.
class UserInputWatch : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::KeyPress) && event->spontaneous()) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget && !qobject_cast<QMessageBox*>(widget->window())) shownSinceUserInput = 0;
    }
    return false;
  }
};

void WatchUserInput() {
  static UserInputWatch* watch = [] {
    auto* created = new UserInputWatch;
    created->setParent(qApp);
    qApp->installEventFilter(created);
    return created;
  }();
  (void)watch;
}

}  // namespace

PageCausedWork::PageCausedWork() {
  WatchUserInput();
  ++running;
}

PageCausedWork::~PageCausedWork() { --running; }

bool PageCausedWork::Running() { return running > 0; }

bool ShowMessageBoxNow(const std::string& utf8Text) {
  const char* why = nullptr;
  if (ExitRequested()) {
    why = "the program is ending";
  } else if (PageCausedWork::Running() && shownSinceUserInput >= kPageCausedMessagesShown) {
    why = "a page keeps causing them";
  }
  if (why) {
    qWarning("velmora: message not shown (%s): %s", why, utf8Text.c_str());
    return false;
  }
  if (PageCausedWork::Running()) ++shownSinceUserInput;
  return true;
}

}  // namespace velmora::platform::qt
