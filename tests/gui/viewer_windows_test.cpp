// The viewer's own windows as a user meets them on a desktop: the film and
// slide windows cover the screen with their bar and "X" on it, "X" and
// Escape give the main window back, the balloons stand where the main
// window's real layout puts them, and "_" takes the whole program off the
// screen. Runs on any platform, with input as gui_input.h gives it.
// VELMORA_TEST_WINDOW_MANAGER names the window manager the run has, if any.
//
// The pictures of docs/screenshots are taken by this test on X11: run it
// with QT_QPA_PLATFORM=xcb and VELMORA_SCREENSHOT_DIR=DIR under
// scripts/x11-session.sh --window-manager.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "app/application.h"
#include "app/main_form_controls.h"
#include "gui_input.h"
#include "gui_wait.h"
#include "platform/native_file_system.h"
#include "recording/recording_ui.h"
#include "recording/trace.h"
#include "sample_disc_viewer.h"
#include "tests/support/fake_platform.h"
#include "viewer/qt_browser.h"
#include "viewer/qt_media_player.h"
#include "viewer/qt_system.h"
#include "viewer/qt_timers.h"
#include "viewer/qt_viewer.h"
#include "viewer/session_display.h"
#include "when_shown.h"

using namespace velmora;

namespace {

using gui_input::ClickOn;
using gui_input::PressEscape;
using gui_input::Settle;
using gui_input::Shoot;

QRect OnScreen(const QWidget* widget) {
  return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

QString Describe(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The geometries measured, for the record.
void Note(const char* what, const QRect& rect) {
  qInfo("%s: %s", what, qPrintable(Describe(rect)));
}

// What a modal media window showed, measured while it was open.
struct MediaWindowView {
  bool shown = false;
  bool frameless = false;
  bool maximised = false;
  bool modal = false;
  QRect window;
  QRect bar;
  QRect close;
  bool closeVisible = false;
  bool closedByUser = false;
};

// Measures the window once it has settled, then closes it with its "X" or
// with Escape; a window that does not close is closed by the test.
void MeasureAndClose(QWidget& window, QWidget& bar, QWidget& close, bool byEscape,
                     MediaWindowView& view, const std::function<void()>& measureMore) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  WaitUntil([&] { return window.frameGeometry() == screen; }, 5000);
  view.frameless = window.windowFlags().testFlag(Qt::FramelessWindowHint);
  view.maximised = window.windowState().testFlag(Qt::WindowMaximized);
  view.modal = QApplication::activeModalWidget() == &window;
  view.window = window.frameGeometry();
  view.bar = OnScreen(&bar);
  view.close = OnScreen(&close);
  view.closeVisible = close.isVisible();
  measureMore();
  (void)QTest::qWaitForWindowActive(&window);
  if (byEscape) {
    PressEscape(&window);
  } else {
    ClickOn(&close);
  }
  view.closedByUser = WaitUntil([&] { return !window.isVisible(); }, 5000);
  view.shown = true;
  if (!view.closedByUser) window.close();
}

}  // namespace

class ViewerWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void init();

  void filmWindow_coversTheScreen_displayCentred_XAndEscapeClose();
  void slideWindow_coversTheScreen_descriptionReadable_XAndEscapeClose();
  void balloons_standWhereTheMainWindowsLayoutPutsThem();
  void minimise_takesEveryWindowOfTheProgramAway();
  void replayLayout_isTheViewersOnTheSameScreen();
  void pagesWaitWindowAndPrintPreview_openOnTheScreen();

 private:
  platform::qt::QtMainWindow& Main() { return sample_->Viewer().MainWindow(); }
  QRect Screen() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
  void Click(const std::string& address) { Main().MainWebBrowser().Navigate(address); }
  // The window covered the screen with its bar and "X", and closed.
  void VerifyCoversScreen(const MediaWindowView& view);

  velmora::test::FakeShell shell_;
  platform::qt::QtTimers timers_;
  std::unique_ptr<SampleDiscViewer> sample_;
};

void ViewerWindowsTest::initTestCase() {
  sample_ = std::make_unique<SampleDiscViewer>(shell_, &timers_);
  QVERIFY(sample_->Valid());
  // In a Wayland session the viewer goes through XWayland, where it may
  // place its windows.
  if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
  }
  QVERIFY(sample_->Start());
  WAIT_VERIFY(Main().MainWebBrowser().view()->url().fileName() == QStringLiteral("799.htm"));
}

void ViewerWindowsTest::cleanupTestCase() { sample_.reset(); }

void ViewerWindowsTest::init() {
  QVERIFY(QTest::qWaitForWindowExposed(&Main()));
  Main().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Main()));
}

void ViewerWindowsTest::VerifyCoversScreen(const MediaWindowView& view) {
  QVERIFY(view.shown);
  QVERIFY(view.frameless);
  QVERIFY(view.maximised);
  QVERIFY(view.modal);
  QVERIFY2(view.window == Screen(), qPrintable(Describe(view.window)));
  // The bar runs along the bottom edge of the screen, its "X" at the right.
  QVERIFY2(view.bar.bottom() == Screen().bottom() && view.bar.width() == Screen().width() &&
               view.bar.height() == 46,
           qPrintable(Describe(view.bar)));
  QVERIFY2(view.closeVisible && Screen().contains(view.close) && view.bar.contains(view.close) &&
               view.close.right() > Screen().right() - 60,
           qPrintable(Describe(view.close)));
  QVERIFY2(view.closedByUser, "the window closes at the user's request");
}

void ViewerWindowsTest::filmWindow_coversTheScreen_displayCentred_XAndEscapeClose() {
  platform::qt::MovieWindow& movie = sample_->Viewer().Movie();
  for (const bool byEscape : {false, true}) {
    MediaWindowView view;
    QRect panel2, panel3, video;
    bool videoVisible = false;
    WhenShown scenario(movie, [&] {
      MeasureAndClose(movie, *movie.ControlBar(), *movie.CloseButton(), byEscape, view, [&] {
        WaitUntil(
            [&] {
              return movie.Panel3()->pos() == QPoint((movie.Panel2()->width() - 350) / 2,
                                                     (movie.Panel2()->height() - 300) / 2);
            },
            5000);
        panel2 = OnScreen(movie.Panel2());
        panel3 = OnScreen(movie.Panel3());
        video = OnScreen(movie.Video());
        videoVisible = movie.Video()->isVisible();
        if (!byEscape) {
          Note("film window", movie.frameGeometry());
          Note("film Panel3", panel3);
          Note("film bar", OnScreen(movie.ControlBar()));
          Note("film X", OnScreen(movie.CloseButton()));
          Shoot(movie, QStringLiteral("film.png"));
        }
      });
    });
    Click("http://db?mvbobry");
    WAIT_VERIFY(view.shown);
    VerifyCoversScreen(view);
    // The film is drawn in the display area, in the middle of Panel2 above the bar.
    QCOMPARE(panel2, QRect(Screen().topLeft(), QSize(Screen().width(), Screen().height() - 46)));
    QCOMPARE(panel3.size(), QSize(350, 300));
    QCOMPARE(panel3.topLeft(),
             panel2.topLeft() + QPoint((panel2.width() - 350) / 2, (panel2.height() - 300) / 2));
    QCOMPARE(video, panel3);
    QVERIFY(videoVisible);
    WAIT_VERIFY(!movie.isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(sample_->Players().Find("MovieForm.MediaPlayer1")->Mode(),
             velmora::platform::MediaMode::Stopped);
  }
}

void ViewerWindowsTest::slideWindow_coversTheScreen_descriptionReadable_XAndEscapeClose() {
  platform::qt::SlideWindow& slides = sample_->Viewer().Slides();
  for (const bool byEscape : {false, true}) {
    MediaWindowView view;
    QRect strip;
    bool controlsFit = true;
    WhenShown scenario(slides, [&] {
      MeasureAndClose(slides, *slides.ControlBar(), *slides.CloseButton(), byEscape, view, [&] {
        strip = OnScreen(slides.OpisWebBrowser().view()->parentWidget());
        for (QWidget* control : std::initializer_list<QWidget*>{
                 slides.StartButton(), slides.NextButton(), slides.TrackBarSlajdow(),
                 slides.SpinEditCzasu(), slides.RepeatBox(), slides.MusicBox()}) {
          controlsFit = controlsFit && Screen().contains(OnScreen(control)) &&
                        control->width() >= control->minimumSizeHint().width();
        }
        if (!byEscape) {
          Note("slide window", slides.frameGeometry());
          Note("slide bar", OnScreen(slides.ControlBar()));
          Note("slide description", strip);
          Note("slide X", OnScreen(slides.CloseButton()));
          Shoot(slides, QStringLiteral("slide-show.png"));
        }
      });
    });
    Click("http://db?ssgory");
    WAIT_VERIFY(view.shown);
    VerifyCoversScreen(view);
    // The description strip takes the room the bar's controls leave: a line
    // of text, not a letter.
    QVERIFY2(strip.width() >= 200 && strip.right() < view.close.left(),
             qPrintable(Describe(strip)));
    QVERIFY(controlsFit);
    WAIT_VERIFY(!slides.isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(!sample_->Application().MainForm()->SlideShowAdvancing());
  }
}

void ViewerWindowsTest::balloons_standWhereTheMainWindowsLayoutPutsThem() {
  const QRect window = Main().geometry();
  QWidget* browser = Main().MainWebBrowser().view();
  const QRect browserArea = OnScreen(browser);
  // The browser lies below the 5-pixel strip and the 30-pixel title strip.
  QCOMPARE(browserArea.top(), window.top() + 35);

  platform::qt::BalloonWindow& location = sample_->Viewer().LocationBalloon();
  Click("http://db?ml-ok51");
  WAIT_VERIFY(location.isVisible());
  QCOMPARE(location.size(), QSize(250, 250));
  // At the top right of the main browser, 20 pixels in from its edge.
  WAIT_VERIFY(location.frameGeometry().topLeft() ==
              QPoint(window.left() + browserArea.width() - 250 - 20, browserArea.top()));
  Note("location balloon", location.frameGeometry());
  Shoot(Main(), QStringLiteral("location-balloon.png"));
  ClickOn(location.LMDSpeedButton30());
  WAIT_VERIFY(!location.isVisible());
  // A park without a picture: its generated location page, in a larger balloon.
  Click("http://db?ml-pndrawienski");
  WAIT_VERIFY(location.isVisible());
  QCOMPARE(location.size(), QSize(260, 280));
  WAIT_VERIFY(location.frameGeometry().topLeft() ==
              QPoint(window.left() + browserArea.width() - 260 - 20, browserArea.top()));
  Note("location balloon (page)", location.frameGeometry());
  ClickOn(location.LMDSpeedButton30());
  WAIT_VERIFY(!location.isVisible());

  platform::qt::BalloonWindow& dictionary = sample_->Viewer().DictionaryBalloon();
  Click("http://db?dicotulina");
  WAIT_VERIFY(dictionary.isVisible());
  QCOMPARE(dictionary.size(), QSize(350, 250));
  // At the right edge, just above the bottom button bar.
  const QRect bar = OnScreen(Main().Control("Panel2"));
  WAIT_VERIFY(dictionary.frameGeometry().topLeft() ==
              QPoint(window.width() - 350, bar.top() - 250));
  QVERIFY(dictionary.frameGeometry().bottom() < bar.top());
  Note("dictionary balloon", dictionary.frameGeometry());
  Shoot(Main(), QStringLiteral("definition-balloon.png"));
  ClickOn(dictionary.LMDSpeedButton30());
  WAIT_VERIFY(!dictionary.isVisible());
}

void ViewerWindowsTest::minimise_takesEveryWindowOfTheProgramAway() {
  if (qEnvironmentVariableIsEmpty("VELMORA_TEST_WINDOW_MANAGER")) {
    QSKIP("Minimising needs a window manager.");
  }
  platform::qt::BalloonWindow& dictionary = sample_->Viewer().DictionaryBalloon();
  Click("http://db?dicotulina");
  WAIT_VERIFY(dictionary.isVisible() && dictionary.windowHandle()->isExposed());
  ClickOn(Main().Control("LMDSpeedButton29"));
  WAIT_VERIFY(Main().windowState().testFlag(Qt::WindowMinimized));
  WAIT_VERIFY(!dictionary.windowHandle()->isExposed());
  // Back from the task bar, the balloon comes back with the main window.
  Main().showNormal();
  Main().showMaximized();
  WAIT_VERIFY(Main().windowHandle()->isExposed());
  WAIT_VERIFY(dictionary.windowHandle()->isExposed());
  ClickOn(dictionary.LMDSpeedButton30());
  WAIT_VERIFY(!dictionary.isVisible());
}

// velmora-cli replay answers the program's questions about the main
// window's layout with fixed figures; they are the viewer's own on a screen
// of the same size.
void ViewerWindowsTest::replayLayout_isTheViewersOnTheSameScreen() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  if (screen.size() !=
      QSize(recording::RecordingUi::kScreenWidth, recording::RecordingUi::kScreenHeight)) {
    QSKIP("The replay's screen is 1280 x 800.");
  }
  WAIT_VERIFY(Main().geometry() == Screen());
  std::ostringstream sink;
  recording::Trace trace(sink);
  recording::RecordingUi replay(trace);
  // Every place the main window's description gives.
  for (const windows::Control& control : app::main_form::Description::kControls) {
    if (!control.geometry.Placed()) continue;
    const std::string name(control.name);
    const platform::Bounds viewer = sample_->Ui().GetBounds(name);
    const platform::Bounds recorded = replay.GetBounds(name);
    const QString both =
        QStringLiteral("%1: viewer %2, replay %3")
            .arg(QString::fromStdString(name))
            .arg(Describe(QRect(viewer.left, viewer.top, viewer.width, viewer.height)))
            .arg(Describe(QRect(recorded.left, recorded.top, recorded.width, recorded.height)));
    QVERIFY2(viewer.left == recorded.left && viewer.top == recorded.top &&
                 viewer.width == recorded.width && viewer.height == recorded.height,
             qPrintable(both));
    QCOMPARE(sample_->Ui().ControlTop(name), replay.ControlTop(name));
    QCOMPARE(sample_->Ui().ControlLeft(name), replay.ControlLeft(name));
  }
}

// The main window's pages, the wait window of a search and the print
// preview, each whole on the screen.
void ViewerWindowsTest::pagesWaitWindowAndPrintPreview_openOnTheScreen() {
  Note("main window", Main().frameGeometry());
  Note("main browser", OnScreen(Main().MainWebBrowser().view()));
  Note("bottom bar Panel2", OnScreen(Main().Control("Panel2")));
  Note("right bar Panel3", OnScreen(Main().Control("Panel3")));
  QCOMPARE(Main().frameGeometry(), Screen());
  Shoot(Main(), QStringLiteral("start-page.png"));

  QWebEngineView* view = Main().MainWebBrowser().view();
  bool loaded = false;
  auto connection = connect(view, &QWebEngineView::loadFinished, this, [&] { loaded = true; });
  Click("http://db?rp101");
  WAIT_VERIFY(loaded && view->url().fileName() == QStringLiteral("$$RP_101.html"));
  Shoot(Main(), QStringLiteral("record-page.png"));

  // The search: the wait window stands in the middle of the screen, whole.
  platform::qt::WaitWindow& wait = sample_->Viewer().Wait();
  QRect waitArea;
  WhenShown waitShown(wait, [&] { waitArea = wait.frameGeometry(); });
  loaded = false;
  auto* box = Main().Control<QLineEdit>("Szukaj");
  box->setText(QStringLiteral("bobry"));
  ClickOn(Main().Control("LMDSpeedButton25"));
  WAIT_VERIFY(loaded && view->url().fileName() == QStringLiteral("$$search.html"));
  disconnect(connection);
  Shoot(Main(), QStringLiteral("search-results.png"));
  if (waitArea.isValid()) {
    Note("wait window", waitArea);
    QCOMPARE(waitArea.size(), QSize(290, 67));
    QVERIFY(qAbs(waitArea.center().x() - Screen().center().x()) <= 1);
    QVERIFY(qAbs(waitArea.center().y() - Screen().center().y()) <= 1);
  }

  // The print preview opens over the main window, all of it on the screen.
  QRect previewArea;
  bool previewShown = false;
  QTimer poll;
  connect(&poll, &QTimer::timeout, this, [&] {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || previewShown) return;
    previewShown = true;
    poll.stop();
    Settle(1000);
    previewArea = dialog->frameGeometry();
    Shoot(*dialog, QStringLiteral("print-preview.png"));
    dialog->reject();
  });
  poll.start(100);
  ClickOn(Main().Control("LMDSpeedButton24"));
  WAIT_VERIFY(previewShown && QApplication::activeModalWidget() == nullptr);
  Note("print preview", previewArea);
  QVERIFY2(Screen().contains(previewArea), qPrintable(Describe(previewArea)));
}

// As the viewer starts: in a Wayland session through XWayland.
int main(int argc, char** argv) {
  platform::qt::PreferXWayland();
  QApplication application(argc, argv);
  QTEST_SET_MAIN_SOURCE_PATH
  ViewerWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "viewer_windows_test.moc"
