// A page that would hold the user, in the viewer on the demo disc with the
// real engine: dialogs in a loop, windows opened on thousands of missing
// files, a renderer that dies. The user sees a few dialogs and then none,
// is told in Polish when the page's renderer dies and gets the page back,
// and the close button ends the program while a page's dialog shows.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <csignal>
#include <functional>
#include <memory>
#include <utility>

#include "dialog_answerer.h"
#include "gui_input.h"
#include "gui_wait.h"
#include "sample_disc_viewer.h"
#include "tests/support/fake_platform.h"
#include "viewer/page_caused.h"
#include "viewer/page_dialogs.h"
#include "viewer/renderer_recovery.h"

namespace qt = velmora::platform::qt;

namespace {

// Counts the log lines that contain a text.
int notShownMessages = 0;
QtMessageHandler previousHandler = nullptr;
void CountingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("message not shown"))) {
    ++notShownMessages;
    return;
  }
  previousHandler(type, context, text);
}

}  // namespace

class PageTrapsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void scriptDialogs_aFewPerPage_untilTheProgramNavigates();
  void missingFileFlood_showsAFewMessagesThenOnlyLogs();
  void rendererKilled_isReportedAndThePageComesBackOnce();
  // Ends the program: runs last.
  void closeButton_endsTheProgramWhileAPageLoopsOnDialogs();

 private:
  qt::QtBrowser& Main() { return sample_->Viewer().MainWindow().MainWebBrowser(); }
  QString WritePage(const QString& name, const QByteArray& script) {
    const QString path = sample_->Temp().filePath(QStringLiteral("VNQETMP/") + name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("<html><head><title>start</title></head><body><p>Strona testu</p><script>" + script +
               "</script></body></html>");
    return path;
  }
  QString Title() { return Main().view()->title(); }
  QLabel* Notice() { return Main().view()->findChild<QLabel*>(QStringLiteral("RendererNotice")); }

  velmora::test::FakeShell shell_;
  std::unique_ptr<SampleDiscViewer> sample_;
  std::unique_ptr<DialogAnswerer> answerer_;
};

void PageTrapsTest::initTestCase() {
  previousHandler = qInstallMessageHandler(CountingHandler);
  sample_ = std::make_unique<SampleDiscViewer>(shell_);
  QVERIFY(sample_->Valid());
  sample_->Ui().SetUnattended(false);  // real message boxes
  answerer_ = std::make_unique<DialogAnswerer>();
  QVERIFY(sample_->Start());
  WAIT_VERIFY(!Main().view()->url().isEmpty() && !Main().page()->isLoading());
}

void PageTrapsTest::cleanupTestCase() {
  answerer_.reset();
  sample_.reset();
  qInstallMessageHandler(previousHandler);
}

void PageTrapsTest::scriptDialogs_aFewPerPage_untilTheProgramNavigates() {
  const QByteArray loop =
      "for (var i = 0; i < 20; i++) alert('Komunikat ' + i);"
      "var zgoda = confirm('Zgoda?'); var tekst = prompt('Tekst?', 'x');"
      "document.title = location.pathname.split('/').pop() + ' ' + zgoda + ' ' + tekst;";
  const QString first = WritePage(QStringLiteral("dialogi1.htm"), loop);
  const QString second = WritePage(QStringLiteral("dialogi2.htm"), loop);
  answerer_->answered = 0;
  Main().Navigate(first.toStdString());
  WAIT_VERIFY(Title() == QLatin1String("dialogi1.htm false null"));
  QCOMPARE(answerer_->answered, qt::PageDialogs::kShownPerPage);
  // The program navigates: the next page shows its first few again.
  Main().Navigate(second.toStdString());
  WAIT_VERIFY(Title() == QLatin1String("dialogi2.htm false null"));
  QCOMPARE(answerer_->answered, 2 * qt::PageDialogs::kShownPerPage);
}

void PageTrapsTest::missingFileFlood_showsAFewMessagesThenOnlyLogs() {
  constexpr int kWindows = 60;
  const QString page = WritePage(QStringLiteral("powodz.htm"),
                                 "for (var i = 0; i < " + QByteArray::number(kWindows) +
                                     "; i++) window.open('brak' + i + '.htm');");
  answerer_->answered = 0;
  notShownMessages = 0;
  Main().Navigate(page.toStdString());
  // Each window asks the core, which answers with "Brak pliku".
  QVERIFY2(WaitUntil([] { return notShownMessages > 0; }), "no message was held back");
  WaitUntil([&] { return answerer_->answered + notShownMessages >= kWindows; }, 20000);
  qInfo("shown %d, logged %d", answerer_->answered, notShownMessages);
  QCOMPARE(answerer_->answered, qt::kPageCausedMessagesShown);
  QCOMPARE(notShownMessages, kWindows - qt::kPageCausedMessagesShown);
}

void PageTrapsTest::rendererKilled_isReportedAndThePageComesBackOnce() {
  const QString page = WritePage(QStringLiteral("zywa.htm"), "document.title = 'zywa';");
  Main().Navigate(page.toStdString());
  WAIT_VERIFY(Title() == QLatin1String("zywa"));
  const qint64 first = Main().page()->renderProcessPid();
  QVERIFY(first > 0);
  ::kill(static_cast<pid_t>(first), SIGKILL);
  WAIT_VERIFY(Notice() && Notice()->isVisible() &&
              Notice()->text() == QString::fromUtf8(qt::kRendererGoneReloading));
  // The page comes back in a new renderer, the notice over it.
  WAIT_VERIFY(Main().page()->renderProcessPid() > 0 && Main().page()->renderProcessPid() != first &&
              Title() == QLatin1String("zywa") && !Main().page()->isLoading());
  QVERIFY(Notice()->isVisible());
  QCOMPARE(Main().view()->url().fileName(), QStringLiteral("zywa.htm"));

  // Dying again at once: told so, and not reloaded in a loop.
  int loads = 0;
  connect(Main().page(), &QWebEnginePage::loadStarted, this, [&] { ++loads; });
  ::kill(static_cast<pid_t>(Main().page()->renderProcessPid()), SIGKILL);
  WAIT_VERIFY(Notice()->text() == QString::fromUtf8(qt::kRendererGoneAgain));
  WaitUntil([] { return false; }, 1500);
  QCOMPARE(loads, 0);

  // The user goes on to another page: it loads, the notice goes.
  Main().Navigate(
      WritePage(QStringLiteral("dalej.htm"), "document.title = 'dalej';").toStdString());
  WAIT_VERIFY(Title() == QLatin1String("dalej"));
  QVERIFY(!Notice()->isVisible());
  disconnect(Main().page(), &QWebEnginePage::loadStarted, this, nullptr);
}

void PageTrapsTest::closeButton_endsTheProgramWhileAPageLoopsOnDialogs() {
  QWidget& window = sample_->Viewer().MainWindow();
  auto* close = window.findChild<QAbstractButton*>(QStringLiteral("LMDSpeedButton30"));
  QVERIFY(close);
  bool clicked = false;
  // While the dialog's loop runs, as the user would.
  answerer_->onShown = [&] {
    clicked = true;
    gui_input::ClickOn(close);
  };
  Main().Navigate(
      WritePage(QStringLiteral("petla.htm"), "for (;;) alert('Nie wyjdziesz');").toStdString());
  WAIT_VERIFY(clicked && !window.isVisible());
  WAIT_VERIFY(!DialogAnswerer::Shown());
}

QTEST_MAIN(PageTrapsTest)
#include "page_traps_test.moc"
