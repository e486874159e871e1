#include "viewer/qt_platform.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "platform/codepage.h"
#include "viewer/desktop_hand_off.h"
#include "viewer/engine_diagnostics.h"
#include "viewer/engine_start.h"
#include "viewer/local_file_case.h"
#include "viewer/session_display.h"

namespace velmora::platform::qt {

void PrepareApplication(bool verbose) {
  PreferXWayland();
  QuietEngineUnlessVerbose(verbose);
  PrepareEngineFlags();
  KeepShaderCachesOffDisk();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  // Fractional screen scales are kept as they are: text stays crisp and the
  // pages' pictures are scaled with it.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

std::string UnopenedAddressMessage(const QUrl& url) {
  const QString text =
      url.scheme() == u"mailto"
          ? QStringLiteral(
                "Nie znaleziono programu pocztowego, kt\u00f3ry przyj\u0105\u0142by adres:")
          : QStringLiteral(
                "Nie znaleziono przegl\u0105darki internetowej, kt\u00f3ra otworzy\u0142aby "
                "adres:");
  return Utf8ToWin1250((text + QStringLiteral("\r\n") + url.toDisplayString()).toStdString());
}

QtPlatform::QtPlatform() {
  ResolveLocalNamesWith(&files);
  // The user clicked and nothing showed: say why.
  TellUnopenedWith([this](const QUrl& url) {
    ui.MessageBox(UnopenedAddressMessage(url), "Velmora", Icon::Information);
  });
}

QtPlatform::~QtPlatform() {
  TellUnopenedWith({});
  ResolveLocalNamesWith(nullptr);
}

}  // namespace velmora::platform::qt
