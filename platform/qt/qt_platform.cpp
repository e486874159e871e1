#include "platform/qt/qt_platform.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "platform/qt/engine_start.h"
#include "platform/qt/local_file_case.h"
#include "platform/qt/session_display.h"

namespace velmora::platform::qt {

void PrepareApplication() {
  PreferXWayland();
  PrepareEngineFlags();
  KeepShaderCachesOffDisk();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  // Fractional screen scales are kept as they are: text stays crisp and the
  // pages' pictures are scaled with it.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

QtPlatform::QtPlatform() { ResolveLocalNamesWith(&files); }

QtPlatform::~QtPlatform() { ResolveLocalNamesWith(nullptr); }

}  // namespace velmora::platform::qt
