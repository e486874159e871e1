// The Ui operations on colours, placement, button state, the cursor and
// progress bars.

#include <QAbstractButton>
#include <QCursor>
#include <QEvent>
#include <QPointer>
#include <QProgressBar>
#include <vector>

#include "platform/handlers.h"
#include "viewer/qt_ui.h"

namespace velmora::platform::qt {
namespace {

// Keeps a control laid over its parent's client area, offset and enlarged,
// as the parent changes size.
class ParentPlacement : public QObject {
 public:
  static constexpr const char* kName = "ParentPlacement";
  explicit ParentPlacement(QWidget& control) : QObject(&control), control_(control) {
    setObjectName(QLatin1String(kName));
    if (QWidget* parent = control.parentWidget()) parent->installEventFilter(this);
  }
  void Set(int left, int top, int extraWidth, int extraHeight) {
    left_ = left;
    top_ = top;
    extraWidth_ = extraWidth;
    extraHeight_ = extraHeight;
    Apply();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == control_.parentWidget() && event->type() == QEvent::Resize) Apply();
    return false;
  }

 private:
  void Apply() {
    const QWidget* parent = control_.parentWidget();
    if (parent == nullptr) return;
    const QRect client = parent->contentsRect();
    control_.setGeometry(client.x() + left_, client.y() + top_, client.width() + extraWidth_,
                         client.height() + extraHeight_);
  }

  QWidget& control_;
  int left_ = 0, top_ = 0, extraWidth_ = 0, extraHeight_ = 0;
};

// Brings the program's other windows back when the main window comes back
// from the task bar: window managers do not always restore a transient
// window with its parent.
class RestoreWith : public QObject {
 public:
  static constexpr const char* kName = "RestoreWith";
  explicit RestoreWith(QWidget& main) : QObject(&main), main_(main) {
    setObjectName(QLatin1String(kName));
    main.installEventFilter(this);
  }
  void Add(QWidget* window) { windows_.push_back(window); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &main_ && event->type() == QEvent::WindowStateChange && !main_.isMinimized()) {
      for (const QPointer<QWidget>& window : windows_) {
        if (window && window->isVisible() && window->isMinimized()) window->showNormal();
      }
      windows_.clear();
    }
    return false;
  }

 private:
  QWidget& main_;
  std::vector<QPointer<QWidget>> windows_;
};

}  // namespace

void QtUi::SetColor(const std::string& control, std::uint32_t rgb) {
  QWidget* widget = Find(control);
  if (!widget) return;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(rgb & 0xFFFFFFu));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
  widget->update();
}

void QtUi::MinimizeApplication() {
  QWidget* main = FindWindow(platform::names::kMainForm);
  if (!main) return;
  // Found by name: the class has no meta-object of its own to cast by.
  auto* restore = static_cast<RestoreWith*>(
      main->findChild<QObject*>(QLatin1String(RestoreWith::kName), Qt::FindDirectChildrenOnly));
  if (!restore) restore = new RestoreWith(*main);
  // The whole program leaves the screen: balloons and notices with the
  // main window.
  for (const auto& [name, window] : windows_) {
    if (!window || window == main || !window->isVisible()) continue;
    window->showMinimized();
    restore->Add(window);
  }
  main->showMinimized();
}

void QtUi::CloseWindow(const std::string& window) {
  if (QWidget* widget = FindWindow(window)) widget->close();
}

void QtUi::PlaceInParent(const std::string& control, int left, int top, int extraWidth,
                         int extraHeight) {
  QWidget* widget = Find(control);
  if (!widget || !widget->parentWidget()) return;
  // Found by name: the class has no meta-object of its own to cast by.
  auto* placement = static_cast<ParentPlacement*>(widget->findChild<QObject*>(
      QLatin1String(ParentPlacement::kName), Qt::FindDirectChildrenOnly));
  if (!placement) placement = new ParentPlacement(*widget);
  placement->Set(left, top, extraWidth, extraHeight);
}

void QtUi::SetPressed(const std::string& control, bool pressed) {
  auto* button = qobject_cast<QAbstractButton*>(Find(control));
  if (button && button->isCheckable()) button->setChecked(pressed);
}

void QtUi::SetAllowAllUp(const std::string& group, bool allow) {
  auto found = groups_.find(group);
  if (found != groups_.end() && found->second) found->second->setExclusive(!allow);
}

int QtUi::ControlLeft(const std::string& control) {
  const QWidget* widget = Find(control);
  return widget ? PlaceInFormParent(*widget).x() : 0;
}

int QtUi::ControlTop(const std::string& control) {
  const QWidget* widget = Find(control);
  return widget ? PlaceInFormParent(*widget).y() : 0;
}

void QtUi::SetCursorPosition(int x, int y) { QCursor::setPos(x, y); }

void QtUi::SetProgress(const std::string& control, int position) {
  auto* bar = qobject_cast<QProgressBar*>(Find(control));
  if (!bar || position < bar->minimum() || position > bar->maximum()) return;
  bar->setValue(position);
}

}  // namespace velmora::platform::qt
