#include "viewer/accessible_controls.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QVariant>

namespace velmora::platform::qt {
namespace {

constexpr const char* kPushButton = "velmoraPushButton";
constexpr const char* kHidden = "velmoraHiddenFromReaders";

bool Marked(const QObject& object, const char* mark) { return object.property(mark).toBool(); }

// Pressed or not, a push button; "press" clicks it as the mouse does.
class PushButtonInterface : public QAccessibleWidget {
 public:
  explicit PushButtonInterface(QAbstractButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    QString text = QAccessibleWidget::text(kind);
    if (kind == QAccessible::Name && text.isEmpty()) text = Button().text().remove(u'&');
    return text;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Button().isDown() || Button().isChecked();
    return state;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      Button().click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QAbstractButton& Button() const { return *static_cast<QAbstractButton*>(widget()); }
};

// A panel whose children a reader sees, less the hidden-from-readers ones.
class PanelInterface : public QAccessibleWidget {
 public:
  explicit PanelInterface(QWidget* panel) : QAccessibleWidget(panel) {}

  int childCount() const override { return static_cast<int>(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  QList<QWidget*> Children() const {
    QList<QWidget*> children;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child != nullptr && !child->isWindow() && !Marked(*child, kHidden))
        children.append(child);
    }
    return children;
  }
};

bool HasHiddenChild(const QObject& object) {
  for (const QObject* child : object.children()) {
    if (Marked(*child, kHidden)) return true;
  }
  return false;
}

QAccessibleInterface* Factory(const QString& key, QObject* object) {
  if (key == QLatin1String("QPushButton") && Marked(*object, kPushButton)) {
    return new PushButtonInterface(static_cast<QAbstractButton*>(object));
  }
  // A window of the program: a frame to a reader, named by its title or by
  // the name it was given.
  if (key == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  if (key == QLatin1String("QWidget") && HasHiddenChild(*object)) {
    return new PanelInterface(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

void AnnounceAsPushButton(QAbstractButton& button) { button.setProperty(kPushButton, true); }

void HideFromReaders(QWidget& control) { control.setProperty(kHidden, true); }

}  // namespace velmora::platform::qt
