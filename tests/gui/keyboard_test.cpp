// A whole visit with the keyboard alone, on the demo disc: a definition
// balloon opened from the start page and closed with Escape, a search typed
// in the search box, a record page reached through the right bar, a slide
// show stepped, paused and closed, and a page opened from the contents
// tree. With VELMORA_SCREENSHOT_DIR set it keeps the focus on a bar button
// as keyboard-focus.png. The keys go through the X server (xdotool) to whichever window has
// the keyboard; the test runs on Xvfb with openbox (gui_x11.keyboard_test).

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWebEngineView>
#include <memory>

#include "gui_input.h"
#include "gui_wait.h"
#include "page_script.h"
#include "sample_disc_viewer.h"
#include "tests/support/fake_platform.h"
#include "viewer/qt_timers.h"
#include "when_shown.h"

using namespace velmora;

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void wholeVisit_byKeysAlone();

 private:
  platform::qt::QtMainWindow& Main() { return sample_->Viewer().MainWindow(); }
  QString PageFile() { return Main().MainWebBrowser().view()->url().fileName(); }
  // The page named is the one loaded and its document complete: the address
  // changes when the navigation starts, and keys pressed before the load
  // ends land in the page that is going away.
  bool Loaded(const QString& file);
  bool Focused(const std::string& control) {
    return QApplication::focusWidget() != nullptr &&
           QApplication::focusWidget() == Main().Control(control);
  }
  // Where the keyboard is: the focused control and, in the page, its link.
  QString FocusState();
  // Presses the key, each time waiting for the keyboard to move, until
  // `reached` holds; false when it never does.
  bool PressUntil(const char* key, const std::function<bool()>& reached, int limit = 60);

  velmora::test::FakeShell shell_;
  platform::qt::QtTimers timers_;
  std::unique_ptr<SampleDiscViewer> sample_;
};

QString KeyboardTest::FocusState() {
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr) return QStringLiteral("-");
  QWebEngineView* page = Main().MainWebBrowser().view();
  if (focused != page && !page->isAncestorOf(focused)) return focused->objectName();
  return QStringLiteral("page:") +
         RunPageScript(*Main().MainWebBrowser().page(),
                       QStringLiteral("document.activeElement ? (document.activeElement"
                                      ".getAttribute('href') || document.activeElement.tagName)"
                                      " : ''"),
                       20000);
}

bool KeyboardTest::Loaded(const QString& file) {
  if (PageFile() != file || Main().MainWebBrowser().page()->isLoading()) return false;
  const QString state =
      RunPageScript(*Main().MainWebBrowser().page(),
                    QStringLiteral("document.readyState + ' ' + location.pathname"), 20000);
  return state.startsWith(QStringLiteral("complete ")) && state.endsWith(QLatin1Char('/') + file);
}

bool KeyboardTest::PressUntil(const char* key, const std::function<bool()>& reached, int limit) {
  for (int press = 0; press < limit; ++press) {
    if (reached()) return true;
    const QString before = FocusState();
    gui_input::PressKey(key);
    if (!WaitUntil([&] { return FocusState() != before; }, 20000)) {
      qWarning() << "the keyboard stayed at" << before << "after" << key;
      return false;
    }
  }
  return reached();
}

void KeyboardTest::initTestCase() {
  // Which window has the keyboard is the window system's to say; offscreen
  // every shown window takes it.
  if (!gui_input::ThroughXServer()) QSKIP("needs an X server, a window manager and xdotool");
  sample_ = std::make_unique<SampleDiscViewer>(shell_, &timers_);
  QVERIFY(sample_->Valid());
  QVERIFY(sample_->Start());
  WAIT_VERIFY(Loaded(QStringLiteral("799.htm")));
  QVERIFY(QTest::qWaitForWindowExposed(&Main()));
  Main().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Main()));
}

void KeyboardTest::cleanupTestCase() { sample_.reset(); }

void KeyboardTest::wholeVisit_byKeysAlone() {
  // The start page's first link is a definition; its balloon takes the
  // keyboard, and Escape gives it back.
  QVERIFY(PressUntil("Tab", [&] { return FocusState().contains(QStringLiteral("?dic")); }));
  platform::qt::BalloonWindow& balloon = sample_->Viewer().DictionaryBalloon();
  gui_input::PressKey("Return");
  WAIT_VERIFY(balloon.isVisible());
  WAIT_VERIFY(QGuiApplication::focusWindow() == balloon.windowHandle());
  gui_input::PressKey("Escape");
  WAIT_VERIFY(!balloon.isVisible());
  WAIT_VERIFY(QGuiApplication::focusWindow() == Main().windowHandle());
  // Again, closed by the window manager's key: the balloon alone.
  QVERIFY(FocusState().contains(QStringLiteral("?dic")));
  gui_input::PressKey("Return");
  WAIT_VERIFY(balloon.isVisible());
  WAIT_VERIFY(QGuiApplication::focusWindow() == balloon.windowHandle());
  gui_input::PressKey("alt+F4");
  WAIT_VERIFY(!balloon.isVisible());
  WAIT_VERIFY(QGuiApplication::focusWindow() == Main().windowHandle());
  QVERIFY(Main().isVisible());

  // F6 leaves the page for the search box.
  QVERIFY(PressUntil("F6", [&] { return Focused("Szukaj"); }));
  gui_input::TypeText(QStringLiteral("las"));
  WAIT_VERIFY(Main().Control<QLineEdit>("Szukaj")->text() == QStringLiteral("las"));
  gui_input::PressKey("Return");
  WAIT_VERIFY(Loaded(QStringLiteral("$$search.html")));

  // Through the bottom bar to a topic button of the right bar, and from its
  // page (entered backwards, from its last link) to a record.
  QVERIFY(PressUntil("Tab", [&] { return Focused("LMDSpeedButton3"); }));
  gui_input::Shoot(Main(), QStringLiteral("keyboard-focus.png"));
  gui_input::PressKey("Return");
  WAIT_VERIFY(Loaded(QStringLiteral("908.htm")));
  QVERIFY(PressUntil("shift+Tab", [&] { return FocusState().contains(QStringLiteral("?rp")); }));
  gui_input::PressKey("Return");
  WAIT_VERIFY(PageFile().startsWith(QStringLiteral("$$RP_")));

  // Past the record's last link Tab leaves the page for the search box.
  QVERIFY(PressUntil(
      "Tab", [&] { return Focused("Szukaj"); }, 150));

  // The gallery's slide show: a step, a pause, Escape.
  QVERIFY(PressUntil("Tab", [&] { return Focused("LMDSpeedButton6"); }));
  gui_input::PressKey("Return");
  WAIT_VERIFY(Loaded(QStringLiteral("903.htm")));
  QVERIFY(PressUntil("shift+Tab", [&] { return FocusState().contains(QStringLiteral("?ss")); }));
  platform::qt::SlideWindow& slides = sample_->Viewer().Slides();
  bool stepped = false;
  bool paused = false;
  WhenShown scenario(slides, [&] {
    if (!WaitUntil([&] { return QGuiApplication::focusWindow() == slides.windowHandle(); })) {
      return;
    }
    gui_input::PressKey("Right");
    stepped = WaitUntil([&] { return slides.TrackBarSlajdow()->value() == 2; });
    gui_input::PressKey("space");
    paused = WaitUntil([&] { return !sample_->Application().MainForm()->SlideShowAdvancing(); });
    gui_input::PressKey("Escape");
  });
  gui_input::PressKey("Return");
  WAIT_VERIFY(stepped && paused && !slides.isVisible());

  // The contents tree: its cursor moves without opening pages; Enter opens.
  WAIT_VERIFY(QGuiApplication::focusWindow() == Main().windowHandle());
  QVERIFY(PressUntil("F6", [&] { return Focused("Szukaj"); }));
  QVERIFY(PressUntil("Tab", [&] { return Focused("LMDSpeedButton18"); }));
  gui_input::PressKey("Return");
  velmora::qt::ContentsTreeView& tree = sample_->Viewer().Tree();
  WAIT_VERIFY(tree.isVisible() && tree.SelectedNode() == 228);
  QVERIFY(PressUntil("Tab", [&] { return Focused("TreeViewCD"); }));
  gui_input::PressKey("Right");
  WAIT_VERIFY(tree.Node(228)->isExpanded());
  gui_input::PressKey("Down");
  gui_input::PressKey("Down");
  WAIT_VERIFY(tree.currentItem() == tree.Node(230));
  QCOMPARE(tree.SelectedNode(), 228);  // stepping opened nothing
  QVERIFY(tree.isVisible());
  gui_input::PressKey("Return");
  WAIT_VERIFY(!tree.isVisible() && PageFile() != QStringLiteral("drzewo.htm"));
  QCOMPARE(tree.SelectedNode(), 230);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
