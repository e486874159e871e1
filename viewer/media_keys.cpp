#include "viewer/media_keys.h"

#include <QShortcut>
#include <QWidget>

namespace velmora::platform::qt {

void BindMediaKeys(QWidget& window, std::function<void(const std::string& key)> press) {
  const std::pair<Qt::Key, const char*> keys[] = {
      {Qt::Key_Space, "space"},
      {Qt::Key_Left, "left"},
      {Qt::Key_Right, "right"},
      {Qt::Key_Escape, "escape"},
  };
  for (const auto& [key, name] : keys) {
    auto* shortcut = new QShortcut(QKeySequence(key), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window,
                     [press, name = std::string(name)] { press(name); });
  }
}

}  // namespace velmora::platform::qt
