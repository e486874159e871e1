// The balloon windows in the real engine, on the demo disc: definitions and
// their back link, dragging and closing, and location pictures without a
// scroll bar.
//
// With VELMORA_BALLOON_SCREENSHOTS=DIR the test also saves a definition
// balloon and a location balloon over the start page into DIR.

#include "viewer/balloon_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/main_form.h"
#include "gui_wait.h"
#include "platform/native_file_system.h"
#include "tests/support/fake_platform.h"
#include "viewer/qt_browsers.h"
#include "viewer/qt_main_window.h"
#include "viewer/qt_system.h"
#include "viewer/qt_ui.h"
#include "windows/slide_form_controls.h"

using namespace velmora;
using platform::qt::BalloonWindow;

namespace {

// Runs a script in the page and waits for its result.
QVariant RunJs(QWebEngineView* view, const QString& script) {
  std::optional<QVariant> result;
  view->page()->runJavaScript(script, [&result](const QVariant& value) { result = value; });
  WaitUntil([&result] { return result.has_value(); }, 10000);
  return result.value_or(QVariant());
}

QString PageText(QWebEngineView* view) {
  return RunJs(view, QStringLiteral("document.body ? document.body.innerText : ''")).toString();
}

class NoSettingsKey : public platform::SettingsStore {
 public:
  std::optional<platform::ContentKey> OpenContentKey() override { return std::nullopt; }
};

// The viewer on the demo disc, with the bottom button bar and the title
// strip as plain panels, so that the balloons are placed as in the program.
struct Viewer {
  explicit Viewer(const std::string& temp) : files(temp) {
    auto* panel2 = new QWidget(&window);
    panel2->setFixedHeight(44);
    window.layout()->addWidget(panel2);
    auto* panel4 = new QWidget(&window);
    panel4->setGeometry(0, 0, 100, 30);
    panel4->hide();
    ui.RegisterWindow("MainForm", &window);
    ui.RegisterControl("MainWebBrowser", window.MainWebBrowser().view());
    ui.RegisterControl("Panel2", panel2);
    ui.RegisterControl("Panel4", panel4);
    browsers.Register("MainWebBrowser", window.MainWebBrowser());
    // Not part of this test's window; the core asks for them.
    for (platform::qt::QtBrowser* unused :
         {&menuBrowser, &titleBrowser, &slideBrowser, &descriptionBrowser}) {
      unused->view()->hide();
    }
    browsers.Register("MenuWebBrowser", menuBrowser);
    browsers.Register("TitleWebBrowser", titleBrowser);
    browsers.Register(
        windows::slide_form::Qualified(windows::slide_form::Control("SlideWebBrowser")),
        slideBrowser);
    browsers.Register(
        windows::slide_form::Qualified(windows::slide_form::Control("OpisWebBrowser")),
        descriptionBrowser);
    dictionary.Register("DictionaryBalloon", ui, browsers);
    location.Register("LocationBalloon", ui, browsers);
    form = std::make_unique<app::TMainForm>(platform);
    dictionary.Connect(*form->DictionaryBalloon());
    location.Connect(*form->LocationBalloon());
    window.show();
    WaitUntil([this] { return window.MainWebBrowser().view()->url().isLocalFile(); });
  }

  // A click on a link in the main page.
  void Click(const std::string& address) { window.MainWebBrowser().Navigate(address); }

  static bool ShowsFile(BalloonWindow& balloon, const QString& name) {
    return balloon.isVisible() && balloon.CppWebBrowser().view()->url().path().endsWith(name);
  }

  // The main window with the visible balloons drawn where they stand.
  QImage Screenshot() {
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (BalloonWindow* balloon : {&dictionary, &location}) {
      if (!balloon->isVisible()) continue;
      painter.drawPixmap(balloon->pos() - window.pos(), balloon->grab());
    }
    return image;
  }

  platform::qt::QtUi ui;
  platform::qt::QtBrowsers browsers;
  platform::NativeFileSystem files;
  platform::qt::QtProcesses processes;
  velmora::test::FakeShell shell;
  NoSettingsKey settings;
  platform::qt::QtClock clock;
  platform::Platform platform{ui, browsers, files, processes, shell, settings, clock};
  platform::qt::QtMainWindow window;
  platform::qt::QtBrowser menuBrowser{&window};
  platform::qt::QtBrowser titleBrowser{&window};
  platform::qt::QtBrowser slideBrowser{&window};
  platform::qt::QtBrowser descriptionBrowser{&window};
  BalloonWindow dictionary;
  BalloonWindow location;
  std::unique_ptr<app::TMainForm> form;
};

void SaveScreenshot(Viewer& viewer, const QString& name) {
  const QString dir = qEnvironmentVariable("VELMORA_BALLOON_SCREENSHOTS");
  if (dir.isEmpty()) return;
  QTest::qWait(1500);  // let the engine paint
  QVERIFY(viewer.Screenshot().save(dir + "/" + name, "PNG"));
}

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons) {
  QCursor::setPos(global);
  const QPointF local = widget->mapFromGlobal(global);
  QMouseEvent event(type, local, QPointF(global),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

}  // namespace

class BalloonWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    QVERIFY(QDir::setCurrent(QStringLiteral(VELMORA_SAMPLE_CONTENT)));
    try {
      viewer_ = std::make_unique<Viewer>(temp_.path().toStdString());
    } catch (const std::exception& error) {
      QFAIL(error.what());
    }
  }

  void cleanupTestCase() { viewer_.reset(); }

  void definitionLink_opensTheBalloonAboveTheButtonBarWithTheDefinition() {
    Viewer& v = *viewer_;
    v.Click("http://db?dicrezerwat");
    QVERIFY(WaitUntil([&] { return Viewer::ShowsFile(v.dictionary, "$$dictrezerwat.html"); }));
    const QRect main = v.window.geometry();
    QCOMPARE(v.dictionary.size(), QSize(350, 250));
    QCOMPARE(v.dictionary.x(), main.width() - 350);
    QCOMPARE(v.dictionary.y(), v.ui.GetBounds("Panel2").top - 250);
    QVERIFY(WaitUntil([&] {
      return PageText(v.dictionary.CppWebBrowser().view()).contains(QStringLiteral("rezerwat"));
    }));
    const QString text = PageText(v.dictionary.CppWebBrowser().view());
    QVERIFY2(text.contains(QStringLiteral("rezerwat przyrody")), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("wstecz")));
    QCOMPARE(v.dictionary.windowTitle(), QStringLiteral("S\u0142ownik"));
    QCOMPARE(v.dictionary.Label1()->text(), QStringLiteral("S\u0142ownik"));
    SaveScreenshot(v, QStringLiteral("screenshot-definition-balloon.png"));
  }

  void linkInTheBalloon_showsTheNextWordAndTheBackLinkReturns() {
    Viewer& v = *viewer_;
    QWebEngineView* view = v.dictionary.CppWebBrowser().view();
    RunJs(view, QStringLiteral("document.querySelector('a[href*=\"dicochrona_scisla\"]').click()"));
    QVERIFY(
        WaitUntil([&] { return Viewer::ShowsFile(v.dictionary, "$$dictochrona_scisla.html"); }));
    QVERIFY(WaitUntil([&] { return PageText(view).contains(QStringLiteral("wstecz")); }));
    RunJs(view, QStringLiteral("document.querySelector('a[href^=\"javascript\"]').click()"));
    QVERIFY(WaitUntil([&] { return Viewer::ShowsFile(v.dictionary, "$$dictrezerwat.html"); }));
  }

  void strip_dragsTheBalloonAndClosingHidesItUntilTheNextLink() {
    Viewer& v = *viewer_;
    QVERIFY(v.dictionary.isVisible());
    const QPoint start = v.dictionary.pos();
    QWidget* strip = v.dictionary.Panel1();
    const QPoint grip = strip->mapToGlobal(QPoint(40, 10));
    SendMouse(strip, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    SendMouse(strip, QEvent::MouseMove, grip - QPoint(200, 100), Qt::LeftButton);
    QCOMPARE(v.dictionary.pos(), start - QPoint(200, 100));
    // Without the left button the balloon stays.
    SendMouse(strip, QEvent::MouseMove, grip - QPoint(300, 150), Qt::RightButton);
    QCOMPARE(v.dictionary.pos(), start - QPoint(200, 100));

    QCOMPARE(v.dictionary.LMDSpeedButton30()->toolTip(), QStringLiteral("Zamknij"));
    QPointer<QWebEnginePage> shown(v.dictionary.CppWebBrowser().page());
    QTest::mouseClick(v.dictionary.LMDSpeedButton30(), Qt::LeftButton);
    QVERIFY(WaitUntil([&] { return !v.dictionary.isVisible(); }));
    // Closed, the balloon holds no document.
    QVERIFY(WaitUntil([&] { return shown.isNull(); }));

    v.Click("http://db?dicotulina");
    QVERIFY(WaitUntil([&] { return Viewer::ShowsFile(v.dictionary, "$$dictotulina.html"); }));
    QCOMPARE(v.dictionary.pos(), start);
    // The address changes before the new document has replaced the old one.
    QVERIFY(WaitUntil([&] {
      return PageText(v.dictionary.CppWebBrowser().view()).contains(QStringLiteral("strefa"));
    }));
    QVERIFY(!PageText(v.dictionary.CppWebBrowser().view()).contains(QStringLiteral("wstecz")));
    // By the keyboard alone: Escape closes it as its button does.
    QPointer<QWebEnginePage> reopened(v.dictionary.CppWebBrowser().page());
    v.dictionary.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v.dictionary));
    QTest::keyClick(&v.dictionary, Qt::Key_Escape);
    QVERIFY(WaitUntil([&] { return !v.dictionary.isVisible() && reopened.isNull(); }));
  }

  void locationLink_showsThePictureWithItsScrollBarBeyondTheEdge() {
    Viewer& v = *viewer_;
    v.Click("http://db?ml-ok51");
    QVERIFY(WaitUntil([&] { return Viewer::ShowsFile(v.location, "$$chmurka.html"); }));
    QCOMPARE(v.location.size(), QSize(250, 250));
    QWebEngineView* view = v.location.CppWebBrowser().view();
    // The browser reaches 20 pixels past the window's right edge, where the
    // window clips it together with the vertical scroll bar.
    QCOMPARE(view->geometry(), QRect(0, 25, 270, 225));
    QVERIFY(WaitUntil([&] {
      return RunJs(view, QStringLiteral("document.images.length && document.images[0].complete "
                                        "&& document.images[0].naturalWidth > 0"))
          .toBool();
    }));
    const int scrollBarWidth =
        RunJs(view, QStringLiteral("window.innerWidth - document.documentElement.clientWidth"))
            .toInt();
    QVERIFY(scrollBarWidth <= 20);
    QCOMPARE(v.location.windowTitle(), QStringLiteral("Lokalizacja"));
    SaveScreenshot(v, QStringLiteral("screenshot-location-balloon.png"));
  }

 private:
  QTemporaryDir temp_;
  std::unique_ptr<Viewer> viewer_;
};

QTEST_MAIN(BalloonWindowTest)
#include "balloon_window_test.moc"
