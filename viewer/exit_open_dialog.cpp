#include "viewer/exit_open_dialog.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace velmora::platform::qt {
namespace {

constexpr const char* kExitProperty = "velmoraExit";
bool exitRequested = false;

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

bool MarkedAsExit(const QWidget* widget) {
  for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
    if (widget->property(kExitProperty).toBool()) return true;
  }
  return false;
}

// While the dialog shows: input goes only to it and to the exits; a close of
// an exit window ends it instead and is remembered.
class ExitKeeper : public QObject {
 public:
  ExitKeeper(QDialog& dialog, QEventLoop& loop) : dialog_(&dialog), loop_(loop) {
    qApp->installEventFilter(this);
  }
  ~ExitKeeper() override { qApp->removeEventFilter(this); }

  QPointer<QWidget> closing;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched->isWindowType()) return false;  // judged at the widget it goes to
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Close) {
      if (!widget || !widget->isWindow() || widget == dialog_ ||
          !widget->property(kExitProperty).toBool()) {
        return false;
      }
      event->ignore();
      closing = widget;
      exitRequested = true;
      if (dialog_) dialog_->reject();
      loop_.quit();
      return true;
    }
    if (!IsUserInput(event->type())) return false;
    if (!widget) {
      // A shortcut of another window.
      auto* owner = qobject_cast<QWidget*>(watched->parent());
      return !owner || owner->window() != dialog_;
    }
    return widget->window() != dialog_ && !MarkedAsExit(widget);
  }

 private:
  QPointer<QDialog> dialog_;
  QEventLoop& loop_;
};

}  // namespace

int ExecLeavingExitOpen(QDialog& dialog) {
  if (exitRequested) return QDialog::Rejected;
  QPointer<QDialog> guarded(&dialog);
  QEventLoop loop;
  QPointer<QWidget> closing;
  {
    ExitKeeper keeper(dialog, loop);
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(&dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    // Kept above the window the user works in, as a modal one would be.
    if (QWidget* active = QApplication::activeWindow(); active && active != &dialog) {
      dialog.winId();
      if (QWindow* handle = dialog.windowHandle())
        handle->setTransientParent(active->windowHandle());
    }
    dialog.setWindowModality(Qt::NonModal);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    loop.exec();
    closing = keeper.closing;
  }
  const int result = guarded ? guarded->result() : QDialog::Rejected;
  if (guarded && guarded->isVisible()) guarded->hide();
  if (closing) {
    QTimer::singleShot(0, closing, [closing] {
      if (closing) closing->close();
    });
  }
  return result;
}

void MarkAsExit(QWidget& widget) { widget.setProperty(kExitProperty, true); }

bool ExitRequested() { return exitRequested; }

}  // namespace velmora::platform::qt
