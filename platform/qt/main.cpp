// The viewer's entry: builds the Qt platform, the main window and the core,
// runs the start-up and the event loop.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <exception>
#include <memory>

#include "app/main_form.h"
#include "app/startup_error.h"
#include "platform/codepage.h"
#include "platform/native_file_system.h"
#include "platform/platform.h"
#include "platform/qt/balloon_window.h"
#include "platform/qt/qt_browsers.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_media_player.h"
#include "platform/qt/qt_system.h"
#include "platform/qt/qt_ui.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

using namespace velmora;

// The engine's sandbox refuses to run as root; the flag has to be in place
// before the engine starts.
void AllowEngineAsRoot() {
#ifdef Q_OS_UNIX
  if (geteuid() != 0) return;
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.contains("--no-sandbox")) return;
  if (!flags.isEmpty()) flags += ' ';
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + "--no-sandbox");
#endif
}

bool Unattended() { return qEnvironmentVariableIsSet("VELMORA_SCREENSHOT"); }

void ShowFatal(const QString& text) {
  qCritical("%s", qPrintable(text));
  if (Unattended()) return;
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmora"), text, QMessageBox::Ok);
  box.exec();
}

// VELMORA_SCREENSHOT=FILE: once the start page has loaded and
// VELMORA_SCREENSHOT_DELAY_MS (default 4000) has passed, the main window is
// saved to FILE as PNG and the program ends. For runs without a screen.
void ArmScreenshot(platform::qt::QtMainWindow& window, bool startPageLoaded) {
  const QString file = qEnvironmentVariable("VELMORA_SCREENSHOT");
  if (file.isEmpty()) return;
  bool ok = false;
  int delay = qEnvironmentVariableIntValue("VELMORA_SCREENSHOT_DELAY_MS", &ok);
  if (!ok) delay = 4000;
  auto take = [&window, file, delay] {
    QTimer::singleShot(delay, &window, [&window, file] {
      const QPixmap shot = window.grab();
      const bool saved = shot.save(file, "PNG");
      if (!saved) {
        qWarning("Cannot save the screenshot (%dx%d) to %s", shot.width(), shot.height(),
                 qPrintable(file));
      }
      QCoreApplication::exit(saved ? 0 : 1);
    });
  };
  if (startPageLoaded) {
    take();
  } else {
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(window.MainWebBrowser().view(), &QWebEngineView::loadFinished,
                                   &window, [take, connection](bool) {
                                     QObject::disconnect(*connection);
                                     take();
                                   });
  }
}

}  // namespace

int main(int argc, char** argv) {
  AllowEngineAsRoot();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));

  platform::qt::QtUi ui;
  // With no one to answer, message boxes go to the error output instead.
  ui.SetUnattended(Unattended());
  platform::qt::QtBrowsers browsers;
  platform::NativeFileSystem files;
  platform::qt::QtProcesses processes;
  platform::qt::QtShell shell;
  platform::qt::QtSettingsStore settings;
  platform::qt::QtClock clock;
  platform::qt::QtMediaPlayers players;
  platform::Platform platform{ui, browsers, files, processes, shell, settings, clock, players};

  platform::qt::QtMainWindow window;
  window.setWindowTitle(QStringLiteral("Velmora"));
  ui.RegisterWindow("MainForm", &window);
  ui.RegisterControl("MainWebBrowser", window.MainWebBrowser().view());
  browsers.Register("MainWebBrowser", window.MainWebBrowser());
  // The balloons exist before the core creates its side of them.
  platform::qt::BalloonWindow dictionaryBalloon;
  platform::qt::BalloonWindow locationBalloon;
  dictionaryBalloon.Register("DictionaryBalloon", ui, browsers);
  locationBalloon.Register("LocationBalloon", ui, browsers);

  bool startPageLoaded = false;
  QObject::connect(window.MainWebBrowser().view(), &QWebEngineView::loadFinished, &window,
                   [&startPageLoaded](bool) { startPageLoaded = true; });

  std::unique_ptr<app::TMainForm> mainForm;
  try {
    mainForm = std::make_unique<app::TMainForm>(platform);
    if (mainForm->DictionaryBalloon) dictionaryBalloon.Connect(*mainForm->DictionaryBalloon);
    if (mainForm->LocationBalloon) locationBalloon.Connect(*mainForm->LocationBalloon);
    // Content missing: the core has said so and asked to end; the window is
    // never shown.
    if (ui.terminated()) return 0;
    window.show();
    mainForm->FormShow();
    if (ui.terminated()) return 0;
  } catch (const app::StartupError& error) {
    ShowFatal(QString::fromStdString(platform::Win1250ToUtf8(error.what())));
    return 1;
  } catch (const std::exception& error) {
    ShowFatal(QStringLiteral("Start-up failed: %1")
                  .arg(QString::fromStdString(platform::Win1250ToUtf8(error.what()))));
    return 1;
  }

  // TMainForm::FormClose (working-directory clean-up, closing animation)
  // hooks in here once it exists.
  window.onClose = [] {};

  ArmScreenshot(window, startPageLoaded);
  return app.exec();
}
