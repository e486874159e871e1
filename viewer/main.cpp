// The viewer's entry: builds the Qt platform, the main window and the core,
// runs the start-up and the event loop.

#include <QApplication>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/application.h"
#include "viewer/balloon_window.h"
#include "viewer/command_line.h"
#include "viewer/desktop_broker.h"
#include "viewer/disc_opening.h"
#include "viewer/engine_start.h"
#include "viewer/network_seal.h"
#include "viewer/polish_translations.h"
#include "viewer/qt_main_window.h"
#include "viewer/qt_platform.h"
#include "viewer/qt_viewer.h"
#include "viewer/shutdown_signals.h"

namespace {

using namespace velmora;

bool Unattended() { return qEnvironmentVariableIsSet("VELMORA_SCREENSHOT"); }

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

// The chooser, for a screenshot: saved like the main window, then closed
// (nothing chosen).
void ArmChooserScreenshot(QWidget& chooser) {
  const QString file = qEnvironmentVariable("VELMORA_SCREENSHOT");
  QTimer::singleShot(500, &chooser, [&chooser, file] {
    if (!chooser.grab().save(file, "PNG")) {
      qWarning("Cannot save the screenshot to %s", qPrintable(file));
    }
    chooser.close();
  });
}

// Before anything else, while the process has one thread: the broker that
// hands outside addresses to the desktop stays where the network is, the
// viewer goes where there is none.
void SealOffNetwork() {
  if (!platform::qt::DesktopBroker::Start()) {
    std::fprintf(stderr, "velmora: no broker for outside addresses; they open from the viewer\n");
  }
  const platform::qt::NetworkSeal seal = platform::qt::LeaveNetwork();
  if (!seal.sealed) {
    std::fprintf(stderr,
                 "velmora: no network namespace of its own (%s); only the browser engine's "
                 "switches keep the pages off the network\n",
                 seal.reason.c_str());
  }
  // Still with one thread, and after the broker, which keeps the defaults.
  platform::qt::ShutdownSignals::Catch();
}

}  // namespace

int main(int argc, char** argv) {
  const platform::qt::CommandLine line =
      platform::qt::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (const std::optional<int> answered = platform::qt::AnswerWithoutStarting(line)) {
    return *answered;
  }
  SealOffNetwork();
  platform::qt::PrepareApplication(line.verbose);
  // The engine also takes switches from the program's arguments, where one
  // may hold spaces (its environment variable splits at them). Ours are
  // read already; the toolkit's go on.
  std::vector<char*> arguments(argv, argv + 1);
  std::vector<std::string> toolkit = line.toolkit;
  for (std::string& option : toolkit) arguments.push_back(option.data());
  for (const char* flag : platform::qt::EngineArguments()) {
    arguments.push_back(const_cast<char*>(flag));
  }
  arguments.push_back(nullptr);
  int count = static_cast<int>(arguments.size()) - 1;
  QApplication app(count, arguments.data());
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  // Before any window, the disc chooser's file dialogs included.
  platform::qt::InstallPolishTranslations(app);
  platform::qt::ShutdownSignals shutdownSignals;

  platform::qt::DiscOpeningOptions opening{Unattended(), nullptr};
  if (Unattended()) opening.chooserShown = ArmChooserScreenshot;
  const platform::qt::DiscOpening disc = platform::qt::OpenDisc(line.disc, opening);
  if (disc.status) return *disc.status;

  platform::qt::QtPlatform qt;
  if (disc.thisRun) qt.settings.UseForThisRun(*disc.thisRun);
  // With no one to answer, message boxes go to the error output instead.
  qt.ui.SetUnattended(Unattended());

  // Every window and browser the core asks for is registered before it starts.
  platform::qt::QtViewer viewer(qt.ui, qt.browsers, qt.players);
  platform::qt::QtMainWindow& window = viewer.MainWindow();
  shutdownSignals.SetMainWindow(window);

  bool startPageLoaded = false;
  QObject::connect(window.MainWebBrowser().view(), &QWebEngineView::loadFinished, &window,
                   [&startPageLoaded](bool) { startPageLoaded = true; });

  int status = 0;
  const int started = app::RunProgram(qt.platform, [&](app::Application& application) {
    viewer.Connect(application);
    ArmScreenshot(window, startPageLoaded);
    shutdownSignals.MessageLoopRuns();
    status = app.exec();
  });
  return started != 0 ? started : status;
}
