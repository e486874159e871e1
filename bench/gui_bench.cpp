// The viewer as the user starts it, timed and weighed: process start to the
// start page painted, a record-link click to the record page painted, and
// the memory of the process tree after start-up and after a page of every
// kind. Run from the disc's directory by bench/run-gui-bench, which runs
// velmora-reference-viewer the same way.
// VELMORA_BENCH_RECORD_COPY=FILE: the generated record page is copied there,
// for the reference to load as a static page.

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineView>
#include <memory>
#include <vector>

#include "app/application.h"
#include "bench/gui_probe.h"
#include "viewer/qt_main_window.h"
#include "viewer/qt_platform.h"
#include "viewer/qt_viewer.h"

using namespace velmora;
using namespace velmora::bench;

namespace {

struct Step {
  std::string name;
  std::function<void()> run;
};

// Runs the steps one after the other: each ends when the main browser has
// painted a loaded page, or after a while for those shown in a popup.
class Visits {
 public:
  Visits(QWidget& window, PaintProbe& probe, std::vector<Step> steps, std::function<void()> done)
      : window_(window), probe_(probe), steps_(std::move(steps)), done_(std::move(done)) {}

  void Next() {
    if (index_ > 0) AfterStep(steps_[index_ - 1].name);
    if (index_ == steps_.size()) return done_();
    const std::size_t mine = index_++;
    auto finished = std::make_shared<bool>(false);
    auto next = [this, finished] {
      if (*finished) return;
      *finished = true;
      QTimer::singleShot(300, [this] { Next(); });
    };
    probe_.Arm(next);
    steps_[mine].run();
    QTimer::singleShot(2500, next);
  }

 private:
  // VELMORA_BENCH_DETAIL: the memory after each step too.
  // VELMORA_BENCH_SHOTS=DIR: the window after each step, as DIR/STEP.png.
  void AfterStep(const std::string& step) {
    if (qEnvironmentVariableIsSet("VELMORA_BENCH_DETAIL")) ReportMemory("after_" + step);
    const QString shots = qEnvironmentVariable("VELMORA_BENCH_SHOTS");
    if (!shots.isEmpty())
      window_.grab().save(shots + "/" + QString::fromStdString(step) + ".png", "PNG");
  }

  QWidget& window_;
  PaintProbe& probe_;
  std::vector<Step> steps_;
  std::function<void()> done_;
  std::size_t index_ = 0;
};

// A page of every kind, each reached as a link or the search box would.
std::vector<Step> EveryKindOfPage(app::TMainForm& form, platform::Ui& ui,
                                  const std::function<void(const std::string&)>& go) {
  const auto first = [&form](tables::CatalogueIndex table) {
    return std::string(form.CatalogueTable(table).Cell(0, 0));
  };
  const std::string pk = first(tables::kParkTable), ok = first(tables::kLandscapeTable),
                    ec = first(tables::kEconetTable), key = first(tables::kReserveTable),
                    word = first(tables::kDictionaryTable), biotope = first(tables::kBiotopeTable),
                    photo = first(tables::kPhotoTable), dataDir = form.Paths().dataDir;
  return {
      {"pk", [=] { go("http://db?pk" + pk); }},
      {"ok", [=] { go("http://db?ok" + ok); }},
      {"ec", [=] { go("http://db?ec" + ec); }},
      {"page", [=] { go("file://" + dataDir + "750.htm"); }},
      {"dic", [=] { go("http://db?dic" + word); }},
      {"bio", [=] { go("http://db?bio" + biotope); }},
      {"location", [=] { go("http://db?ml-rp" + key); }},
      {"picture", [=] { go("http://db?shf" + photo + ".jpg"); }},
      {"tree", [=] { go("http://db?tree"); }},
      {"search",
       [&form, &ui] {
         ui.SetText("Szukaj", "storczyk");
         form.Button22Click();
       }},
  };
}

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point start = ProcessStartTime();
  platform::qt::PrepareApplication();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  Report("application_made_ms", MillisecondsSince(start));

  platform::qt::QtPlatform qt;
  qt.ui.SetUnattended(true);
  platform::qt::QtViewer viewer(qt.ui, qt.browsers, qt.players);
  Report("windows_made_ms", MillisecondsSince(start));
  QWebEngineView* view = viewer.MainWindow().MainWebBrowser().view();

  PaintProbe probe(view);
  ReportFirstLoad(view, start);
  std::unique_ptr<Visits> visits;
  app::TMainForm* form = nullptr;
  auto js = [view](const std::string& script) {
    view->page()->runJavaScript(QString::fromStdString(script));
  };
  auto go = [js](const std::string& address) { js("location.href = '" + address + "';"); };

  auto visitEveryKind = [&] {
    std::vector<Step> steps = EveryKindOfPage(*form, qt.ui, go);
    visits = std::make_unique<Visits>(viewer.MainWindow(), probe, std::move(steps), [&] {
      QTimer::singleShot(1500, [&] {
        ReportMemory("after_visits");
        // Then the reader closes the balloons the visits opened.
        viewer.DictionaryBalloon().LMDSpeedButton30()->click();
        viewer.LocationBalloon().LMDSpeedButton30()->click();
        QTimer::singleShot(1500, [&] {
          ReportMemory("after_closing");
          QCoreApplication::quit();
        });
      });
    });
    visits->Next();
  };

  auto clickRecord = [&] {
    const std::string key(form->CatalogueTable(tables::kReserveTable).Cell(0, 0));
    const Clock::time_point click = Clock::now();
    ReportNextLoad(view, click);
    probe.Arm([&, key, click] {
      Report("click_to_painted_ms", MillisecondsBetween(click, probe.PaintedAt()));
      const QByteArray copy = qgetenv("VELMORA_BENCH_RECORD_COPY");
      if (!copy.isEmpty()) {
        QFile::remove(QString::fromLocal8Bit(copy));
        QFile::copy(QString::fromStdString(form->Paths().workDir + "$$RP_" + key + ".html"),
                    QString::fromLocal8Bit(copy));
      }
      QTimer::singleShot(300, visitEveryKind);
    });
    // The generated discs' start page links a reserve; a disc without that
    // link (the demo) is sent to the same address.
    js("var rp = document.getElementById('rp'); if (rp) rp.click(); else location.href = "
       "'http://db?rp" +
       key + "';");
  };

  probe.Arm([&] {
    Report("start_to_painted_ms", MillisecondsBetween(start, probe.PaintedAt()));
    QTimer::singleShot(1500, [&] {
      ReportMemory("after_start");
      clickRecord();
    });
  });
  QTimer::singleShot(120000, [] { QCoreApplication::exit(3); });

  int status = 0;
  const int started = app::RunProgram(qt.platform, [&](app::Application& application) {
    form = application.MainForm();
    // The core's start-up has run: tables, menu, tree, the start page asked for.
    Report("core_started_ms", MillisecondsSince(start));
    viewer.Connect(application);
    status = app.exec();
  });
  return started != 0 ? started : status;
}
