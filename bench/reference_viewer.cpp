// The floor the viewer is measured against: one QWebEngineView, maximised,
// on the disc's start page, nothing else.
//   velmora-reference-viewer START_PAGE [STATIC_PAGE]
// Prints the time from process start to the start page painted, the memory
// of the process tree after that, and the time to paint STATIC_PAGE when
// the page navigates to it and the memory after that.

#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include "bench/gui_probe.h"

using namespace velmora::bench;

int main(int argc, char** argv) {
  const Clock::time_point start = ProcessStartTime();
  if (geteuid() == 0) {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            flags.isEmpty() ? "--no-sandbox" : flags + " --no-sandbox");
  }
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  Report("application_made_ms", MillisecondsSince(start));
  if (argc < 2) return 2;
  const QUrl startPage = QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1]));
  const QString staticPage = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

  QWebEngineView view;
  Report("windows_made_ms", MillisecondsSince(start));
  PaintProbe probe(&view);
  probe.Arm([&] {
    Report("start_to_painted_ms", MillisecondsBetween(start, probe.PaintedAt()));
    QTimer::singleShot(1500, &view, [&] {
      ReportMemory("after_start");
      if (staticPage.isEmpty()) return QCoreApplication::quit();
      const Clock::time_point click = Clock::now();
      ReportNextLoad(&view, click);
      probe.Arm([&, click] {
        Report("click_to_painted_ms", MillisecondsBetween(click, probe.PaintedAt()));
        // The same wait as the viewer's after its last visit.
        QTimer::singleShot(1500, &app, [] {
          ReportMemory("after_record_page");
          QCoreApplication::quit();
        });
      });
      view.page()->runJavaScript(
          QStringLiteral("location.href = '%1';")
              .arg(QUrl::fromLocalFile(staticPage).toString(QUrl::FullyEncoded)));
    });
  });
  ReportFirstLoad(&view, start);
  view.load(startPage);
  Report("start_page_asked_ms", MillisecondsSince(start));
  view.showMaximized();
  QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(3); });
  return app.exec();
}
