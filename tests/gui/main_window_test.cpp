// The main window on the demo disc with the real engine: page buttons,
// history, the title strip, find in page, printing, zoom, shortcuts and the
// close that runs the shut-down.

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/main_form_controls.h"
#include "gui_wait.h"
#include "page_script.h"
#include "platform/native_file_system.h"
#include "sample_disc_viewer.h"
#include "viewer/find_bar.h"
#include "viewer/page_zoom.h"
#include "viewer/qt_browser.h"
#include "viewer/qt_media_player.h"
#include "viewer/qt_system.h"
#include "viewer/qt_viewer.h"
#include "viewer/win1250_text.h"

using namespace velmora;
using platform::qt::QtMainWindow;

namespace {

class RecordingShell : public platform::Shell {
 public:
  void OpenAddress(const std::string& address) override { opened.push_back(address); }
  void StartProgram(const std::string& path) override { started.push_back(path); }
  std::vector<std::string> opened;
  std::vector<std::string> started;
};

QString RunScript(QWebEngineView& view, const QString& script) {
  return RunPageScript(*view.page(), script);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void init();

  void layout_barsButtonsAndStrip();
  void description_everyControlIsBuiltOnItsParent();
  void slideAndFilmWindows_fillTheScreen();
  void pomoc_showsHelpPage_andReleasesTopicButtons();
  void topicButton_staysPressed_untilReleased();
  void backAndForward_followTheRealHistory();
  void altArrows_actLikeHistoryButtons_onlyWhenEnabled();
  void titleStrip_showsTopicOfPageOnScreen();
  void ctrlF_findsWordOnPage();
  void printPreview_opensWithPages();
  void printToPdf_givesNonEmptyPdf();
  void zoom_stepsAndIsRemembered();
  void logo_opensMakersPageOnlyWithCtrl();
  void search_enterShowsResults_linkOpensPage();
  void recordLink_showsGeneratedRecordPage();
  void contentsTree_leafOpensPageWithItsMenu();
  void closeButton_runsShutDownOnce();

 private:
  QtMainWindow& Window() { return sample_->Viewer().MainWindow(); }
  QWebEngineView& MainView() { return *Window().MainWebBrowser().view(); }
  QString PageOnScreen() { return QFileInfo(MainView().url().toLocalFile()).fileName(); }
  QAbstractButton* Button(const char* name) { return Window().Control<QAbstractButton>(name); }
  bool Click(const char* name) {
    QAbstractButton* button = Button(name);
    if (!button) return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
  }
  // The page's load has finished (the address alone changes before it starts).
  bool ShowsLoaded(const QString& page) { return loaded_ == page; }
  // With VELMORA_SCREENSHOT_DIR set, keeps what the window shows now.
  void SaveScreenshot(const QString& name) {
    const QString dir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    // The engine paints a loaded page a moment later.
    QElapsedTimer painted;
    painted.start();
    WaitUntil([&] { return painted.elapsed() > 1000; });
    Window().grab().save(dir + "/" + name, "PNG");
  }

  RecordingShell shell_;
  std::unique_ptr<SampleDiscViewer> sample_;
  QString loaded_;
};

void MainWindowTest::initTestCase() {
  // Every name the windows raise while the program starts is one it has.
  QTest::failOnWarning(QRegularExpression(QStringLiteral("unknown handler")));
  sample_ = std::make_unique<SampleDiscViewer>(shell_);
  QVERIFY(sample_->Valid());
  connect(&MainView(), &QWebEngineView::loadStarted, this, [this] { loaded_.clear(); });
  connect(&MainView(), &QWebEngineView::loadFinished, this, [this] { loaded_ = PageOnScreen(); });

  QVERIFY(sample_->Start());
  QVERIFY(Window().isVisible());
  Window().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Window()));
  WAIT_VERIFY(ShowsLoaded("799.htm"));
}

// Keys go to the active window; a closed dialog may have left none active.
void MainWindowTest::init() {
  if (!Window().isVisible()) return;
  Window().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Window()));
}

void MainWindowTest::cleanupTestCase() { sample_.reset(); }

// The window is built from its description: every described control is a
// widget of that name within its described parent, with its caption.
void MainWindowTest::description_everyControlIsBuiltOnItsParent() {
  QtMainWindow& window = Window();
  for (const windows::Control& control : app::main_form::Description::kControls) {
    if (control.kind == windows::ControlKind::Window) continue;
    const std::string name(control.name);
    QWidget* widget = window.Control(name);
    QVERIFY2(widget != nullptr, name.c_str());
    QWidget* parent =
        control.parent.empty() ? &window : window.Control(std::string(control.parent));
    QVERIFY2(parent != nullptr && parent->isAncestorOf(widget), name.c_str());
    const QString caption = platform::qt::FromWin1250(std::string(control.caption));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) QCOMPARE(button->text(), caption);
    if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), caption);
  }
}

void MainWindowTest::slideAndFilmWindows_fillTheScreen() {
  for (QWidget* window : {static_cast<QWidget*>(&sample_->Viewer().Slides()),
                          static_cast<QWidget*>(&sample_->Viewer().Movie())}) {
    // Their size on the screen is measured once shown (viewer_windows_test).
    QVERIFY(window->windowState() & Qt::WindowMaximized);
  }
}

void MainWindowTest::layout_barsButtonsAndStrip() {
  QtMainWindow& window = Window();
  QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
  QCOMPARE(window.minimumSize(), QSize(785, 568));
  QCOMPARE(window.palette().color(QPalette::Window), QColor(181, 170, 147));
  QCOMPARE(window.Control("Panel2")->height(), 33);
  QCOMPARE(window.Control("Panel2")->width(), window.width());
  QCOMPARE(window.Control("Panel3")->width(), 129);
  QCOMPARE(window.Control("Panel3")->geometry().bottom() + 1, window.Control("Panel2")->y());
  QCOMPARE(window.Control("Panel4")->height(), 30);
  QCOMPARE(window.Control("Panel7")->height(), 5);
  QCOMPARE(window.Control("Szukaj")->width(), 75);

  // The bottom bar, left to right.
  const char* bottom[] = {"LMDSpeedButton16", "LMDSpeedButton17", "LMDSpeedButton18",
                          "LMDSpeedButton19", "LMDSpeedButton20", "LMDSpeedButton21",
                          "LMDSpeedButton22", "LMDSpeedButton23", "LMDSpeedButton24",
                          "Szukaj",           "LMDSpeedButton25", "LMDSpeedButton26",
                          "LMDSpeedButton27", "LMDSpeedButton28"};
  int left = -1;
  for (const char* name : bottom) {
    QWidget* control = window.Control(name);
    QVERIFY2(control && control->isVisible() && control->x() > left, name);
    QCOMPARE(control->height(), 23);
    left = control->x();
  }
  QCOMPARE(Button("LMDSpeedButton17")->text(), QString::fromUtf8("Zawartość CD"));
  QVERIFY(Button("LMDSpeedButton27")->font().bold());

  // Fifteen topic buttons in one group; all up after the start.
  QCOMPARE(window.CategoryButtons()->buttons().size(), 15);
  for (QAbstractButton* button : window.CategoryButtons()->buttons()) {
    QCOMPARE(button->size(), QSize(120, 20));
    QVERIFY(button->isCheckable() && !button->isChecked());
    // Captions fit the button.
    QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < 118,
             qPrintable(button->text()));
  }
  QCOMPARE(Button("LMDSpeedButton13")->text(), QString::fromUtf8("Międzynarodowa ochr."));
  QCOMPARE(Button("LMDSpeedButton29")->toolTip(), QStringLiteral("Minimalizuj do paska"));
  QCOMPARE(Button("LMDSpeedButton30")->toolTip(), QStringLiteral("Zamknij program"));
  QVERIFY(window.Control<QLabel>("Label2")->font().bold());
  // The start page has a menu: the panel shows it from the start.
  QVERIFY(window.Control("Panel6")->isVisible());
  QVERIFY(!window.Control("Memo2")->isVisible());
  QVERIFY(!window.Control("MainRichEdit")->isVisible());
  QVERIFY(!window.Control("Button14")->isVisible());

  // Logos at the top right, the strip browser's frame and scroll bar out of
  // sight, also after a resize.
  QWidget* logo = window.Control("Image2");
  QCOMPARE(logo->mapTo(&window, QPoint(logo->width(), 0)).x() + 3, window.Control("Panel3")->x());
  for (QSize size : {QSize(785, 568), QSize(1000, 700), QSize(1200, 800)}) {
    window.resize(size);
    QCoreApplication::processEvents();
    QCOMPARE(window.size(), size);
    QWidget* strip = window.Control("Panel4");
    QCOMPARE(window.Control("TitleWebBrowser")->geometry(),
             QRect(-2, -2, strip->width() + 25, strip->height() + 4));
    // Every button of both bars is on screen, down to the minimum size.
    QVERIFY(Button("LMDSpeedButton28")->geometry().right() < window.Control("Panel2")->width());
    QVERIFY(Button("LMDSpeedButton5")->geometry().bottom() < window.Control("Panel3")->height());
  }
}

void MainWindowTest::pomoc_showsHelpPage_andReleasesTopicButtons() {
  QVERIFY(Click("LMDSpeedButton5"));  // Słownik: no release
  WAIT_VERIFY(ShowsLoaded("658.htm"));
  QVERIFY(Button("LMDSpeedButton5")->isChecked());
  QVERIFY(Click("LMDSpeedButton23"));  // Pomoc
  WAIT_VERIFY(ShowsLoaded("919.htm"));
  for (QAbstractButton* button : Window().CategoryButtons()->buttons()) {
    QVERIFY(!button->isChecked());
  }
}

void MainWindowTest::topicButton_staysPressed_untilReleased() {
  QVERIFY(Click("LMDSpeedButton7"));
  WAIT_VERIFY(ShowsLoaded("902.htm"));
  QVERIFY(Button("LMDSpeedButton7")->isChecked());
  // A second click leaves it down; another topic takes over.
  QVERIFY(Click("LMDSpeedButton7"));
  QVERIFY(Button("LMDSpeedButton7")->isChecked());
  QVERIFY(Click("LMDSpeedButton1"));
  WAIT_VERIFY(ShowsLoaded("800.htm"));
  QVERIFY(Button("LMDSpeedButton1")->isChecked());
  QVERIFY(!Button("LMDSpeedButton7")->isChecked());
  // After the release the group is exclusive again.
  QVERIFY(Click("LMDSpeedButton16"));
  WAIT_VERIFY(ShowsLoaded("750.htm"));
  QVERIFY(!Button("LMDSpeedButton1")->isChecked());
  QVERIFY(Window().CategoryButtons()->exclusive());
}

void MainWindowTest::backAndForward_followTheRealHistory() {
  QVERIFY(Click("LMDSpeedButton16"));  // Wstęp
  WAIT_VERIFY(ShowsLoaded("750.htm"));
  QVERIFY(Click("LMDSpeedButton19"));  // Autorzy
  WAIT_VERIFY(ShowsLoaded("32.htm"));
  QVERIFY(Click("LMDSpeedButton20"));  // Wydawca
  WAIT_VERIFY(ShowsLoaded("925.htm"));
  WAIT_VERIFY(!Button("LMDSpeedButton28")->isEnabled());
  QVERIFY(Button("LMDSpeedButton27")->isEnabled());
  QVERIFY(Button("LMDSpeedButton26")->isEnabled());

  QVERIFY(Click("LMDSpeedButton27"));
  WAIT_VERIFY(ShowsLoaded("32.htm"));
  QVERIFY(Click("LMDSpeedButton27"));
  WAIT_VERIFY(ShowsLoaded("750.htm"));
  WAIT_VERIFY(Button("LMDSpeedButton28")->isEnabled());
  QVERIFY(Click("LMDSpeedButton28"));
  WAIT_VERIFY(ShowsLoaded("32.htm"));
  QVERIFY(Click("LMDSpeedButton28"));
  WAIT_VERIFY(ShowsLoaded("925.htm"));
  WAIT_VERIFY(!Button("LMDSpeedButton28")->isEnabled());
}

void MainWindowTest::altArrows_actLikeHistoryButtons_onlyWhenEnabled() {
  QVERIFY(Click("LMDSpeedButton21"));  // Sponsor
  WAIT_VERIFY(ShowsLoaded("926.htm"));
  QVERIFY(Click("LMDSpeedButton22"));  // Bibliografia
  WAIT_VERIFY(ShowsLoaded("757.htm"));
  MainView().setFocus();
  QWidget* target = MainView().focusProxy() ? MainView().focusProxy() : &MainView();

  QTest::keyClick(target, Qt::Key_Left, Qt::AltModifier);
  WAIT_VERIFY(ShowsLoaded("926.htm"));
  QTest::qWait(300);
  QCOMPARE(PageOnScreen(), QStringLiteral("926.htm"));  // one step, not two
  WAIT_VERIFY(Button("LMDSpeedButton28")->isEnabled());
  QTest::keyClick(target, Qt::Key_Right, Qt::AltModifier);
  WAIT_VERIFY(ShowsLoaded("757.htm"));
  WAIT_VERIFY(!Button("LMDSpeedButton28")->isEnabled());

  // Forward is disabled: Alt+Right does nothing.
  QTest::keyClick(target, Qt::Key_Right, Qt::AltModifier);
  QTest::qWait(300);
  QCOMPARE(PageOnScreen(), QStringLiteral("757.htm"));
}

void MainWindowTest::titleStrip_showsTopicOfPageOnScreen() {
  QWebEngineView& title = *Window().TitleWebBrowser().view();
  auto stripText = [&] { return RunScript(title, QStringLiteral("document.body.innerText")); };
  QVERIFY(Click("LMDSpeedButton23"));  // Pomoc: "Velmora - temat: Pomoc"
  WAIT_VERIFY(ShowsLoaded("919.htm"));
  WAIT_VERIFY(stripText().endsWith(QStringLiteral(" Pomoc")));
  QCOMPARE(QFileInfo(title.url().toLocalFile()).fileName(), QStringLiteral("$$title.html"));
  QVERIFY(Click("LMDSpeedButton5"));  // Słownik
  WAIT_VERIFY(ShowsLoaded("658.htm"));
  const QString topic =
      RunScript(MainView(), QStringLiteral("document.title")).section(QStringLiteral("temat: "), 1);
  QVERIFY(!topic.isEmpty());
  WAIT_VERIFY(stripText().endsWith(topic));
}

void MainWindowTest::ctrlF_findsWordOnPage() {
  QVERIFY(Click("LMDSpeedButton23"));
  WAIT_VERIFY(ShowsLoaded("919.htm"));
  platform::qt::FindBar& find = Window().Find();
  QVERIFY(!find.isVisible());
  MainView().setFocus();
  QTest::keyClick(MainView().focusProxy() ? MainView().focusProxy() : &MainView(), Qt::Key_F,
                  Qt::ControlModifier);
  WAIT_VERIFY(find.isVisible() && find.Edit()->hasFocus());

  // Highlighted as typed, ignoring case; "Przyciski" is a heading of the page.
  QTest::keyClicks(find.Edit(), QStringLiteral("przycisk"));
  WAIT_VERIFY(find.MatchCount() >= 2 && find.ActiveMatch() == 1);
  QTest::keyClick(find.Edit(), Qt::Key_Return);
  WAIT_VERIFY(find.ActiveMatch() == 2);
  QTest::keyClick(find.Edit(), Qt::Key_Return, Qt::ShiftModifier);
  WAIT_VERIFY(find.ActiveMatch() == 1);

  find.Edit()->clear();
  QTest::keyClicks(find.Edit(), QStringLiteral("qqxzzv"));
  WAIT_VERIFY(find.MatchCount() == 0);
  QTest::keyClick(find.Edit(), Qt::Key_Escape);
  QVERIFY(!find.isVisible());
  // The page is not covered by the bar once it is closed.
  QCOMPARE(MainView().height(), Window().MainArea()->height());
}

void MainWindowTest::printPreview_opensWithPages() {
  QVERIFY(Click("LMDSpeedButton23"));
  WAIT_VERIFY(ShowsLoaded("919.htm"));
  bool sawPreview = false;
  QTimer poll;
  QElapsedTimer clock;
  clock.start();
  connect(&poll, &QTimer::timeout, this, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QPrintPreviewDialog*>(widget);
      if (!dialog || !dialog->isVisible()) continue;
      sawPreview = true;
      // Closed by the test once the engine has had time to lay out pages.
      if (clock.elapsed() > 1500) dialog->reject();
    }
  });
  poll.start(100);
  QVERIFY(Click("LMDSpeedButton24"));  // returns when the preview is closed
  poll.stop();
  QVERIFY(sawPreview);
  QCOMPARE(PageOnScreen(), QStringLiteral("919.htm"));
}

void MainWindowTest::printToPdf_givesNonEmptyPdf() {
  QVERIFY(Click("LMDSpeedButton23"));
  WAIT_VERIFY(ShowsLoaded("919.htm"));
  const QString path = sample_->Temp().filePath(QStringLiteral("page.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(platform::qt::kPrintResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  bool finished = false;
  bool succeeded = false;
  connect(&MainView(), &QWebEngineView::printFinished, this, [&](bool ok) {
    finished = true;
    succeeded = ok;
  });
  MainView().print(&printer);
  WAIT_VERIFY(finished);
  QVERIFY(succeeded);
  QFile pdf(path);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  QVERIFY(pdf.size() > 1000);
  QVERIFY(pdf.read(5) == "%PDF-");
}

void MainWindowTest::zoom_stepsAndIsRemembered() {
  platform::qt::PageZoom& zoom = Window().Zoom();
  QCOMPARE(zoom.Factor(), 1.0);
  QTest::keyClick(&Window(), Qt::Key_Plus, Qt::ControlModifier);
  QCOMPARE(zoom.Factor(), 1.1);
  WAIT_VERIFY(qFuzzyCompare(MainView().zoomFactor(), 1.1));
  QCOMPARE(platform::qt::PageZoom::StoredFactor(), 1.1);

  // Ctrl + wheel on the page, and the level holds on the next page.
  QWidget* target = MainView().focusProxy() ? MainView().focusProxy() : &MainView();
  const QPoint centre = target->rect().center();
  QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
  QCOMPARE(zoom.Factor(), 1.25);
  QVERIFY(Click("LMDSpeedButton21"));
  WAIT_VERIFY(ShowsLoaded("926.htm"));
  WAIT_VERIFY(qFuzzyCompare(MainView().zoomFactor(), 1.25));

  QTest::keyClick(&Window(), Qt::Key_Minus, Qt::ControlModifier);
  QCOMPARE(zoom.Factor(), 1.1);
  QTest::keyClick(&Window(), Qt::Key_0, Qt::ControlModifier);
  QCOMPARE(zoom.Factor(), 1.0);
  QCOMPARE(platform::qt::PageZoom::StoredFactor(), 1.0);
  // Kept in the user's settings, not in the content key.
  QCOMPARE(QSettings(QStringLiteral("Velmora"), QStringLiteral("viewer")).value("zoom").toDouble(),
           1.0);
}

void MainWindowTest::logo_opensMakersPageOnlyWithCtrl() {
  shell_.opened.clear();
  QTest::mouseClick(Window().Control("Image1"), Qt::LeftButton);
  QTest::mousePress(Window().Control("Image2"), Qt::LeftButton);
  QVERIFY(shell_.opened.empty());
  QTest::mousePress(Window().Control("Image2"), Qt::LeftButton, Qt::ControlModifier);
  QCOMPARE(shell_.opened.size(), std::size_t(1));
  QVERIFY(shell_.opened.front().rfind("http://", 0) == 0);
  QVERIFY(shell_.opened.front().find("?id=") != std::string::npos ||
          shell_.opened.front().find("&id=") != std::string::npos);
}

namespace {

// Counts how often a widget is shown and hidden.
class ShowCounter : public QObject {
 public:
  int shown = 0;
  int hidden = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shown;
    if (event->type() == QEvent::Hide) ++hidden;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void MainWindowTest::search_enterShowsResults_linkOpensPage() {
  auto* box = Window().Control<QLineEdit>("Szukaj");
  QVERIFY(box);
  ShowCounter waitWindow;
  sample_->Viewer().Wait().installEventFilter(&waitWindow);
  box->clear();
  box->setFocus();
  QTest::keyClicks(box, QString::fromUtf8("torfowisk"));
  QTest::keyClick(box, Qt::Key_Return);
  WAIT_VERIFY(ShowsLoaded(QStringLiteral("$$search.html")));
  sample_->Viewer().Wait().removeEventFilter(&waitWindow);
  QCOMPARE(waitWindow.shown, 1);
  QCOMPARE(waitWindow.hidden, 1);
  QVERIFY(!sample_->Viewer().Wait().isVisible());
  SaveScreenshot("search-results.png");

  const int links = RunScript(MainView(), "document.querySelectorAll('li a').length").toInt();
  QVERIFY2(links > 0, "the results list no page");
  const QString target =
      QFileInfo(QUrl(RunScript(MainView(), "document.querySelector('li a').href")).toLocalFile())
          .fileName();
  RunScript(MainView(), "document.querySelector('li a').click()");
  WAIT_VERIFY(ShowsLoaded(target));
}

void MainWindowTest::recordLink_showsGeneratedRecordPage() {
  Click("LMDSpeedButton16");  // back to a content page first
  WAIT_VERIFY(ShowsLoaded(QStringLiteral("750.htm")));
  RunScript(MainView(), "location.href = 'http://db?rp108'");
  WAIT_VERIFY(ShowsLoaded(QStringLiteral("$$RP_108.html")));
  const QString text = RunScript(MainView(), "document.body.innerText");
  QVERIFY2(text.contains(QString::fromUtf8("Cisy Staropolskie")), qPrintable(text.left(200)));
  SaveScreenshot("record-page.png");
}

void MainWindowTest::contentsTree_leafOpensPageWithItsMenu() {
  velmora::qt::ContentsTreeView& tree = sample_->Viewer().Tree();
  QVERIFY(Click("LMDSpeedButton18"));  // "Mapa CD"
  WAIT_VERIFY(tree.isVisible() && tree.SelectedNode() == 228);
  WAIT_VERIFY(ShowsLoaded(QStringLiteral("drzewo.htm")));
  QVERIFY(tree.isVisible());  // the tree page keeps the tree on screen
  QVERIFY(!Window().Control("Panel6")->isVisible());
  SaveScreenshot("contents-tree.png");

  // "Zawartość płyty", a top-level leaf, opens 749.htm.
  QTreeWidgetItem* leaf = tree.Node(1);
  QVERIFY(leaf);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(leaf).center());
  WAIT_VERIFY(ShowsLoaded(QStringLiteral("749.htm")));
  WAIT_VERIFY(!tree.isVisible());
  WAIT_VERIFY(Window().Control("Panel6")->isVisible());
  SaveScreenshot("page-with-menu.png");

  // A link of the menu page opens in the main browser.
  QWebEngineView& menu = *Window().MenuWebBrowser().view();
  WAIT_VERIFY(menu.url().fileName() == QStringLiteral("$$menu.html"));
  WAIT_VERIFY(RunScript(menu, "document.querySelectorAll('a[href$=\".htm\"]').length").toInt() > 0);
  const QString target =
      QFileInfo(
          QUrl(RunScript(menu, "document.querySelector('a[href$=\".htm\"]').href")).toLocalFile())
          .fileName();
  RunScript(menu, "document.querySelector('a[href$=\".htm\"]').click()");
  WAIT_VERIFY(ShowsLoaded(target));
}

void MainWindowTest::closeButton_runsShutDownOnce() {
  const QString workDir = sample_->Temp().filePath(QStringLiteral("VNQETMP"));
  QVERIFY(QDir(workDir).exists());
  QVERIFY(QFile::exists(workDir + "/$$title.html"));
  QVERIFY(Click("LMDSpeedButton30"));
  QVERIFY(!Window().isVisible());
  QVERIFY(!QDir(workDir).exists());
  QCOMPARE(Window().palette().color(QPalette::Window), QColor(Qt::black));
  QVERIFY(!Window().Control("Panel1")->isVisibleTo(&Window()));
  // A second close does not run the shut-down again.
  QDir().mkpath(workDir);
  Window().close();
  QVERIFY(QDir(workDir).exists());
}

// The user's own settings live in a scratch directory for the run.
int main(int argc, char** argv) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
