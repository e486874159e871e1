#include "platform/qt/qt_ui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "platform/codepage.h"
#include "platform/qt/contents_tree_view.h"
#include "platform/qt/exit_open_dialog.h"
#include "platform/qt/page_caused.h"
#include "platform/qt/win1250_text.h"

namespace velmora::platform::qt {
namespace {

// Ends a nested event loop when the watched window is hidden, closed or
// destroyed.
class HideWatcher : public QObject {
 public:
  HideWatcher(QWidget& window, QEventLoop& loop) : window_(&window), loop_(loop) {
    window.installEventFilter(this);
    connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
  }
  ~HideWatcher() override {
    if (window_) window_->removeEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && (event->type() == QEvent::Hide || event->type() == QEvent::Close)) {
      loop_.quit();
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
  QEventLoop& loop_;
};

// Shows a window in the state its form gives it. Without a window manager
// (Xvfb, offscreen) the maximised state alone leaves the window at its
// present size, so it is given the screen's work area as well.
void ShowInItsState(QWidget& window) {
  if (!window.windowState().testFlag(Qt::WindowMaximized)) {
    window.show();
    return;
  }
  if (QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
  window.showMaximized();
}

}  // namespace

void QtUi::RegisterControl(const std::string& name, QWidget* control) { controls_[name] = control; }

void QtUi::RegisterWindow(const std::string& name, QWidget* window) { windows_[name] = window; }

void QtUi::RegisterGroup(const std::string& name, QButtonGroup* group) { groups_[name] = group; }

QWidget* QtUi::FindWindow(const std::string& name) const {
  auto window = windows_.find(name);
  return window == windows_.end() ? nullptr : window->second.data();
}

QWidget* QtUi::Find(const std::string& name) const {
  auto control = controls_.find(name);
  if (control != controls_.end()) return control->second.data();
  return FindWindow(name);
}

void QtUi::MessageBox(const std::string& text, const std::string& caption, Icon icon) {
  QMessageBox::Icon qtIcon = QMessageBox::Information;
  if (icon == Icon::Stop) qtIcon = QMessageBox::Critical;
  if (icon == Icon::Warning) qtIcon = QMessageBox::Warning;
  if (unattended_) {
    qWarning("%s: %s", qPrintable(FromWin1250(caption)), qPrintable(FromWin1250(text)));
    return;
  }
  if (!ShowMessageBoxNow(Win1250ToUtf8(text))) return;
  QMessageBox box(qtIcon, FromWin1250(caption), FromWin1250(text), QMessageBox::Ok);
  // The text may carry a page's address: never read as markup.
  box.setTextFormat(Qt::PlainText);
  ExecLeavingExitOpen(box);
}

void QtUi::Log(const std::string& line) {
  std::fprintf(stderr, "velmora: %s\n", Win1250ToUtf8(line).c_str());
}

void QtUi::ProcessMessages() { QCoreApplication::processEvents(); }

void QtUi::WaitForMessages(int maxMilliseconds) {
  QCoreApplication::processEvents();
  if (maxMilliseconds <= 0) return;
  // Sleeps in the event loop until the time is up, handling whatever comes.
  QEventLoop loop;
  QTimer::singleShot(maxMilliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

Cursor QtUi::GetCursor() { return hourglass_ ? Cursor::Hourglass : Cursor::Default; }

void QtUi::SetCursor(Cursor cursor) {
  const bool hourglass = cursor == Cursor::Hourglass;
  if (hourglass == hourglass_) return;
  hourglass_ = hourglass;
  if (hourglass) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

// Controls that do not exist yet are ignored: the windows grow control by
// control, and the core addresses them all.
void QtUi::SetVisible(const std::string& control, bool visible) {
  if (QWidget* widget = Find(control)) widget->setVisible(visible);
}

void QtUi::SetEnabled(const std::string& control, bool enabled) {
  if (QWidget* widget = Find(control)) widget->setEnabled(enabled);
}

void QtUi::SetText(const std::string& control, const std::string& text) {
  QWidget* widget = Find(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(FromWin1250(text));
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(FromWin1250(text));
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(FromWin1250(text));
  if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) memo->setPlainText(FromWin1250(text));
}

std::string QtUi::GetText(const std::string& control) {
  QWidget* widget = Find(control);
  QString text;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) text = edit->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
  if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) text = memo->toPlainText();
  return Utf8ToWin1250(text.toStdString());
}

void QtUi::ShowWindow(const std::string& window) {
  if (QWidget* widget = FindWindow(window)) ShowInItsState(*widget);
}

void QtUi::HideWindow(const std::string& window) {
  if (QWidget* widget = FindWindow(window)) widget->hide();
}

void QtUi::MaximizeWindow(const std::string& window) {
  QWidget* widget = FindWindow(window);
  if (!widget) return;
  // Sized at once: what it shows is laid out for the screen before it opens.
  if (QScreen* screen = widget->screen()) widget->setGeometry(screen->availableGeometry());
  widget->setWindowState(widget->windowState() | Qt::WindowMaximized);
  if (widget->isVisible()) widget->showMaximized();
}

void QtUi::SetWindowLeft(const std::string& window, int left) {
  if (QWidget* widget = FindWindow(window)) widget->move(left, widget->y());
}

void QtUi::ShowModal(const std::string& window) {
  QPointer<QWidget> widget = FindWindow(window);
  if (!widget) return;
  const Qt::WindowModality remembered = widget->windowModality();
  widget->setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  {
    HideWatcher watcher(*widget, loop);
    ShowInItsState(*widget);
    // The keyboard goes to the window that blocks all others.
    widget->raise();
    widget->activateWindow();
    if (widget->isVisible()) loop.exec();
  }
  if (widget) widget->setWindowModality(remembered);
}

void QtUi::Terminate() {
  terminated_ = true;
  QCoreApplication::quit();
}

void QtUi::RegisterTree(const std::string& name, velmora::qt::ContentsTreeView* tree) {
  trees_[name] = tree;
  RegisterControl(name, tree);
}

void QtUi::SelectTreeNode(const std::string& control, int index) {
  const auto tree = trees_.find(control);
  if (tree != trees_.end() && tree->second) tree->second->SelectNode(index);
}

void QtUi::ExpandTreeNode(const std::string& control, int index) {
  const auto tree = trees_.find(control);
  if (tree != trees_.end() && tree->second) tree->second->ExpandNode(index);
}

void QtUi::SetHint(const std::string& control, const std::string& hint) {
  if (QWidget* widget = Find(control)) widget->setToolTip(FromWin1250(hint));
}

// Values the program sets are not reported back as the user's changes.
void QtUi::SetRange(const std::string& control, int minimum, int maximum) {
  QWidget* widget = Find(control);
  const QSignalBlocker blocker(widget);
  if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) slider->setRange(minimum, maximum);
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) spin->setRange(minimum, maximum);
}

void QtUi::SetPosition(const std::string& control, int position) {
  QWidget* widget = Find(control);
  const QSignalBlocker blocker(widget);
  if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) slider->setValue(position);
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) spin->setValue(position);
}

void QtUi::SetTickFrequency(const std::string& control, int frequency) {
  auto* slider = qobject_cast<QSlider*>(Find(control));
  if (!slider) return;
  slider->setTickInterval(frequency);
  slider->setTickPosition(frequency > 0 ? QSlider::TicksBelow : QSlider::NoTicks);
}

void QtUi::SetChecked(const std::string& control, bool checked) {
  QWidget* widget = Find(control);
  const QSignalBlocker blocker(widget);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setChecked(checked);
}

void QtUi::MoveControl(const std::string& control, int left, int top) {
  if (QWidget* widget = Find(control)) widget->move(left, top);
}

void QtUi::Freeze(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

bool QtUi::Named(const QWidget* widget) const {
  for (const auto& [name, control] : controls_) {
    if (control == widget) return true;
  }
  for (const auto& [name, window] : windows_) {
    if (window == widget) return true;
  }
  return false;
}

QPoint QtUi::PlaceInFormParent(const QWidget& control) const {
  if (control.isWindow()) return control.geometry().topLeft();
  // Layouts put controls into helper widgets of their own; the form's parent
  // is the nearest container the program knows by name, or the window.
  const QWidget* parent = control.parentWidget();
  while (parent && !parent->isWindow() && !Named(parent)) parent = parent->parentWidget();
  return parent ? control.mapTo(parent, QPoint(0, 0)) : control.pos();
}

Bounds QtUi::GetBounds(const std::string& controlOrWindow) {
  const QWidget* widget = Find(controlOrWindow);
  if (!widget) return {};
  // A window's geometry is on the screen, a control's within its parent.
  const QPoint place = PlaceInFormParent(*widget);
  return {place.x(), place.y(), widget->width(), widget->height()};
}

void QtUi::SetWindowBounds(const std::string& window, int left, int top, int width, int height) {
  if (QWidget* widget = FindWindow(window)) widget->setGeometry(left, top, width, height);
}

void QtUi::SetCaption(const std::string& window, const std::string& caption) {
  if (QWidget* widget = FindWindow(window)) widget->setWindowTitle(FromWin1250(caption));
}

Bounds QtUi::ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect rect = screen->geometry();
  return {0, 0, rect.width(), rect.height()};
}

ScreenPoint QtUi::CursorPosition() {
  const QPoint point = QCursor::pos();
  return {point.x(), point.y()};
}

}  // namespace velmora::platform::qt
