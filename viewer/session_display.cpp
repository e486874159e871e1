#include "viewer/session_display.h"

#include <QByteArray>
#include <QtGlobal>

namespace velmora::platform::qt {

bool PreferXWayland() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return false;
  if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY")) {
    return false;
  }
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
  return true;
}

}  // namespace velmora::platform::qt
