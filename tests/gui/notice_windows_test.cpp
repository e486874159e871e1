// The real loading and wait windows: the loading window is on screen while
// the main window is built and gone afterwards; the wait window's bar starts
// at 0 every time it is shown.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QtTest>

#include "app/main_form.h"
#include "platform/codepage.h"
#include "platform/native_file_system.h"
#include "tests/support/content_tree_workdir.h"
#include "tests/support/fake_platform.h"
#include "viewer/loading_window.h"
#include "viewer/wait_window.h"
#include "windows/czekaj_form.h"

using velmora::platform::qt::LoadingWindow;
using velmora::platform::qt::WaitWindow;

namespace {

QString FromWin1250(const char* text) {
  return QString::fromStdString(velmora::platform::Win1250ToUtf8(text));
}

}  // namespace

class NoticeWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void loadingWindow_isFramelessCentredCreamOnBrown();
  void loadingWindow_visibleDuringStartUpAndGoneAfterwards();
  void waitWindow_isFramelessOnTopWithBarBelowText();
  void waitWindow_progressStartsAtZeroEachTimeShown();
  void waitWindow_progressStopsAtMaximum();
};

void NoticeWindowsTest::loadingWindow_isFramelessCentredCreamOnBrown() {
  LoadingWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.size(), QSize(288, 41));
  QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
  QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
  QCOMPARE(window.windowTitle(), QStringLiteral("Loading..."));
  QCOMPARE(window.Panel1()->text(), FromWin1250("Prosz\xEA czeka\xE6, trwa \xB3"
                                                "adowanie..."));
  QCOMPARE(window.Panel1()->font().pixelSize(), 16);
  QCOMPARE(window.Panel1()->geometry(), window.rect());
  const QPoint offCentre =
      window.frameGeometry().center() - window.screen()->availableGeometry().center();
  QVERIFY(offCentre.manhattanLength() <= 2);
}

void NoticeWindowsTest::loadingWindow_visibleDuringStartUpAndGoneAfterwards() {
  velmora::test::ContentTree tree;
  velmora::platform::NativeFileSystem files(tree.TempPath());
  velmora::test::FakePlatform fake(files);
  fake.settings.key = velmora::platform::ContentKey{tree.ContentRoot(), tree.ContentRoot()};

  LoadingWindow window;
  fake.ui.onShowWindow = [&](const std::string& name) {
    if (name == "LoadingForm") window.show();
  };
  fake.ui.onHideWindow = [&](const std::string& name) {
    if (name == "LoadingForm") window.hide();
  };
  int pumpsWithWindowOnScreen = 0;
  fake.ui.onProcessMessages = [&] {
    QCoreApplication::processEvents();
    if (window.isVisible()) ++pumpsWithWindowOnScreen;
  };

  QVERIFY(!window.isVisible());
  velmora::app::TMainForm form(fake.platform);
  QVERIFY(pumpsWithWindowOnScreen >= 10);  // painted before and during the table loads
  QVERIFY(!window.isVisible());
  QCOMPARE(fake.ui.windowsShown, std::vector<std::string>{"LoadingForm"});
}

void NoticeWindowsTest::waitWindow_isFramelessOnTopWithBarBelowText() {
  WaitWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.size(), QSize(290, 67));
  QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
  QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
  QCOMPARE(window.windowTitle(), FromWin1250("Prosz\xEA czeka\xE6..."));
  QCOMPARE(window.Label1()->text(), FromWin1250("Prosz\xEA czeka\xE6, trwa wyszukiwanie..."));
  QCOMPARE(window.Label1()->font().pixelSize(), 16);
  QCOMPARE(window.LMDProgressFill1()->maximum(), 162);
  QVERIFY(window.LMDProgressFill1()->geometry().top() > window.Label1()->geometry().top());
}

void NoticeWindowsTest::waitWindow_progressStartsAtZeroEachTimeShown() {
  WaitWindow window;
  velmora::test::FakeUi ui;
  ui.onShowWindow = [&](const std::string& name) {
    if (name == "CzekajForm") window.show();
  };
  ui.onHideWindow = [&](const std::string& name) {
    if (name == "CzekajForm") window.hide();
  };
  ui.onSetProgress = [&](const std::string& control, int position) {
    if (control == "CzekajForm.LMDProgressFill1") window.SetPosition(position);
  };
  velmora::windows::TCzekajForm czekaj(ui);

  for (int search = 0; search < 2; ++search) {
    czekaj.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.Position(), 0);
    QCOMPARE(czekaj.Position(), 0);
    for (int step = 0; step < 5; ++step) {
      czekaj.Advance();
      QCoreApplication::processEvents();
    }
    QCOMPARE(window.Position(), 5);
    czekaj.Hide();
    QVERIFY(!window.isVisible());
  }

  // The window itself resets on show, whoever shows it.
  window.SetPosition(40);
  window.show();
  QCOMPARE(window.Position(), 0);
}

void NoticeWindowsTest::waitWindow_progressStopsAtMaximum() {
  WaitWindow window;
  velmora::test::FakeUi ui;
  ui.onSetProgress = [&](const std::string&, int position) { window.SetPosition(position); };
  velmora::windows::TCzekajForm czekaj(ui);
  czekaj.Show();
  for (int page = 0; page < 200; ++page) czekaj.Advance();
  QCOMPARE(czekaj.Position(), 162);
  QCOMPARE(window.Position(), 162);
  window.SetPosition(163);
  QCOMPARE(window.Position(), 162);
}

QTEST_MAIN(NoticeWindowsTest)
#include "notice_windows_test.moc"
