// The browser on the real engine: what reaches BeforeNavigate2 for links in
// real pages, cancelling, history, the core's re-entrant answers, and a
// browser that loads only after another's pages.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gui_wait.h"
#include "test_page_browser.h"
#include "viewer/qt_browser.h"
#include "viewer/qt_ui.h"

using velmora::platform::BrowserEvents;
using velmora::platform::Icon;
using velmora::platform::qt::QtBrowser;
using velmora::platform::qt::QtUi;

namespace {

std::string DataPath(const std::string& name) {
  return std::string(VELMORA_TEST_DATA) + "/gui/" + name;
}

// Everything a browser raised, in order, and the core's answer.
struct Recorder {
  std::vector<std::string> log;
  std::vector<std::string> addresses;
  std::vector<std::string> titles;
  int completed = 0;
  // Returns true to cancel; may do the link's work meanwhile.
  std::function<bool(const std::string&)> answer = [](const std::string& address) {
    return address.rfind("http://", 0) == 0;
  };

  void Attach(QtBrowser& browser) {
    BrowserEvents events;
    events.BeforeNavigate2 = [this](const std::string& address, bool& cancel) {
      log.push_back("before " + address);
      addresses.push_back(address);
      cancel = answer(address);
    };
    events.TitleChange = [this](const std::string& title) {
      log.push_back("title " + title);
      titles.push_back(title);
    };
    events.DownloadComplete = [this] {
      log.push_back("complete");
      ++completed;
    };
    events.CommandStateChange = [this](int command, bool enable) {
      log.push_back("state " + std::to_string(command) + (enable ? " on" : " off"));
    };
    browser.SetEvents(std::move(events));
  }

  bool Logged(const std::string& line) const {
    return std::find(log.begin(), log.end(), line) != log.end();
  }
};

void Pause(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool Load(QtBrowser& browser, Recorder& recorder, const std::string& path) {
  const int before = recorder.completed;
  browser.Navigate(path);
  return WaitUntil([&] { return recorder.completed > before; });
}

void Click(QtBrowser& browser, const QString& id) {
  browser.page()->runJavaScript(QStringLiteral("document.getElementById('%1').click()").arg(id));
}

QString FrameTitle(QtBrowser& browser) {
  QString title;
  bool answered = false;
  browser.page()->runJavaScript(
      QStringLiteral("(function () { try { return frames[0].document.title; } catch (e) "
                     "{ return 'inaccessible'; } })()"),
      [&](const QVariant& result) {
        title = result.toString();
        answered = true;
      });
  WaitUntil([&] { return answered; });
  return title;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += line + "; ";
  return joined;
}

bool Shows(QtBrowser& browser, const std::string& path) {
  return browser.page()->url().toLocalFile().toStdString() == path;
}

}  // namespace

class BrowserEventsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    browser_ = ShownTestPageBrowser();
    recorder_ = Recorder{};
    recorder_.Attach(*browser_);
  }
  void cleanup() {
    if (QTest::currentTestFailed()) {
      for (const auto& line : recorder_.log)
        qWarning() << QByteArray::fromStdString(line).toPercentEncoding(" :/#?");
    }
    browser_.reset();
  }

  void ownNavigate_raisesBeforeNavigateThenLoadsWithTitle() {
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    QCOMPARE(recorder_.log.front(), "before " + DataPath("links_iso.htm"));
    // "Linki: łąka" in Windows-1250.
    QVERIFY(recorder_.Logged("title Linki: \xB3\xB9ka"));
    const auto title = std::find(recorder_.log.begin(), recorder_.log.end(),
                                 std::string("title Linki: \xB3\xB9ka"));
    const auto complete = std::find(recorder_.log.begin(), recorder_.log.end(), "complete");
    QVERIFY(title < complete);
    QVERIFY(Shows(*browser_, DataPath("links_iso.htm")));
  }

  void hostOnlyLinkWithQuery_arrivesAsWritten() {
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    Click(*browser_, "record");
    WAIT_VERIFY(recorder_.Logged("before http://db?rp12"));
  }

  void polishLetterInIsoPageLink_arrivesAsWin1250() {
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    Click(*browser_, "dictionary");
    WAIT_VERIFY(recorder_.Logged("before http://db?dic\xB3\xB9ka"));
  }

  void polishLetterInUtf8PageLink_arrivesAsWin1250() {
    QVERIFY(Load(*browser_, recorder_, DataPath("links_utf8.htm")));
    Click(*browser_, "dictionary");
    WAIT_VERIFY(recorder_.Logged("before http://db?dic\xB3\xB9ka"));
  }

  void cancelledLink_leavesPageInPlace() {
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    const int completed = recorder_.completed;
    const QString title = browser_->page()->title();
    recorder_.answer = [](const std::string&) { return true; };
    Click(*browser_, "local");
    WAIT_VERIFY(recorder_.Logged("before " + DataPath("target.htm") + "#sekcja"));
    Pause(500);
    QVERIFY(Shows(*browser_, DataPath("links_iso.htm")));
    QCOMPARE(browser_->page()->title(), title);
    QCOMPARE(recorder_.completed, completed);
  }

  void localLink_arrivesAsNativePathWithFragment_andLoads() {
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    recorder_.log.clear();
    Click(*browser_, "local");
    WAIT_VERIFY(recorder_.Logged("complete"));
    QCOMPARE(recorder_.log.front(), "before " + DataPath("target.htm") + "#sekcja");
    QVERIFY(recorder_.Logged("title Cel"));
    QVERIFY(Shows(*browser_, DataPath("target.htm")));
    QCOMPARE(browser_->page()->url().fragment(), QStringLiteral("sekcja"));
    // Asked once: the replayed navigation is not offered again.
    QCOMPARE(std::count_if(recorder_.log.begin(), recorder_.log.end(),
                           [](const std::string& line) { return line.rfind("before", 0) == 0; }),
             1);
  }

  void historySteps_passBeforeNavigate_andReportCommandState() {
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    QVERIFY(Load(*browser_, recorder_, DataPath("other.htm")));
    WAIT_VERIFY(recorder_.Logged("state 2 on"));
    QVERIFY(!recorder_.Logged("state 1 on"));

    recorder_.log.clear();
    recorder_.answer = [](const std::string&) { return true; };
    browser_->GoBack();
    QCOMPARE(recorder_.log, std::vector<std::string>{"before " + DataPath("links_iso.htm")});
    Pause(300);
    QVERIFY(Shows(*browser_, DataPath("other.htm")));

    recorder_.log.clear();
    recorder_.answer = [](const std::string&) { return false; };
    browser_->GoBack();
    WAIT_VERIFY(recorder_.Logged("complete"));
    QVERIFY(Shows(*browser_, DataPath("links_iso.htm")));
    WAIT_VERIFY(recorder_.Logged("state 1 on"));
    WAIT_VERIFY(recorder_.Logged("state 2 off"));
    QCOMPARE(recorder_.log.front(), "before " + DataPath("links_iso.htm"));

    recorder_.log.clear();
    browser_->GoForward();
    WAIT_VERIFY(recorder_.Logged("complete"));
    QCOMPARE(recorder_.log.front(), "before " + DataPath("other.htm"));
    QVERIFY(Shows(*browser_, DataPath("other.htm")));
    WAIT_VERIFY(recorder_.Logged("state 1 off"));
    WAIT_VERIFY(recorder_.Logged("state 2 on"));
    QCOMPARE(browser_->page()->history()->count(), 2);
  }

  void historyStepFromPageScript_isAskedAndReplayedAsTheSameStep() {
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    QVERIFY(Load(*browser_, recorder_, DataPath("target.htm")));
    recorder_.log.clear();
    recorder_.answer = [](const std::string&) { return false; };
    Click(*browser_, "back");
    WAIT_VERIFY(recorder_.Logged("complete"));
    QVERIFY(recorder_.Logged("before " + DataPath("links_iso.htm")));
    QVERIFY(Shows(*browser_, DataPath("links_iso.htm")));
    // A step back, not a new entry: forward leads to the page left.
    QCOMPARE(browser_->page()->history()->count(), 2);
    QVERIFY(browser_->page()->history()->canGoForward());
  }

  // The disc's pages are ISO-8859-2; older ones do not say so.
  void pagesWithoutCharset_readAsIso88592_declaredCharsetKept() {
    QVERIFY(Load(*browser_, recorder_, DataPath("no_charset.htm")));
    WAIT_VERIFY(recorder_.Logged("title \xA3\xB9ka bez kodowania"));
    QVERIFY(Load(*browser_, recorder_, DataPath("declared_utf8.htm")));
    WAIT_VERIFY(recorder_.Logged("title \xA3\xB9ka w UTF-8"));
  }

  void frameLoad_isAskedAndCancellable() {
    recorder_.answer = [](const std::string& address) {
      return address.find("other.htm") != std::string::npos;
    };
    QVERIFY(Load(*browser_, recorder_, DataPath("frames.htm")));
    WAIT_VERIFY(recorder_.Logged("before " + DataPath("other.htm")));
    Pause(300);
    QCOMPARE(FrameTitle(*browser_), QString());

    recorder_.log.clear();
    recorder_.answer = [](const std::string&) { return false; };
    QVERIFY(Load(*browser_, recorder_, DataPath("frames.htm")));
    WAIT_VERIFY(FrameTitle(*browser_) == QStringLiteral("Inna"));
    // Replayed into the frame without being offered twice.
    QCOMPARE(
        std::count(recorder_.log.begin(), recorder_.log.end(), "before " + DataPath("other.htm")),
        1);
  }

  // The dispatcher's pattern: cancel and navigate the same browser elsewhere.
  void navigateSameBrowserFromInsideEvent_showsTheNewPage() {
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    recorder_.answer = [this](const std::string& address) {
      if (address.find("target.htm") == std::string::npos) return false;
      browser_->Navigate(DataPath("other.htm"));
      return true;
    };
    Click(*browser_, "local");
    WAIT_VERIFY(Shows(*browser_, DataPath("other.htm")));
    WAIT_VERIFY(recorder_.Logged("title Inna"));
    Pause(300);
    QVERIFY(Shows(*browser_, DataPath("other.htm")));
  }

  void navigateFromInsideOwnNavigate_showsTheNewPage() {
    recorder_.answer = [this](const std::string& address) {
      if (address != "http://db?rp12") return false;
      browser_->Navigate(DataPath("target.htm"));
      return true;
    };
    browser_->Navigate("http://db?rp12");
    WAIT_VERIFY(recorder_.Logged("title Cel"));
    QVERIFY(Shows(*browser_, DataPath("target.htm")));
  }

  void navigateOtherBrowserFromInsideEvent_leavesThisPage() {
    QtBrowser other;
    Recorder otherRecorder;
    otherRecorder.Attach(other);
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    recorder_.answer = [&other](const std::string& address) {
      if (address.find("target.htm") == std::string::npos) return false;
      other.Navigate(DataPath("target.htm"));
      return true;
    };
    Click(*browser_, "local");
    WAIT_VERIFY(otherRecorder.Logged("title Cel"));
    QVERIFY(Shows(other, DataPath("target.htm")));
    QVERIFY(Shows(*browser_, DataPath("links_iso.htm")));
  }

  void messageBoxInsideEvent_thenLoads() {
    QtUi ui;
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    bool shown = false;
    recorder_.answer = [&](const std::string& address) {
      if (address.find("target.htm") == std::string::npos) return false;
      QTimer::singleShot(200, [&shown] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
          if (qobject_cast<QMessageBox*>(window) && window->isVisible()) {
            shown = true;
            window->close();
          }
        }
      });
      ui.MessageBox("Brak pliku: target.htm", "Before Navigate", Icon::Stop);
      return false;
    };
    Click(*browser_, "local");
    WAIT_VERIFY(recorder_.Logged("title Cel"));
    QVERIFY(shown);
    QVERIFY(Shows(*browser_, DataPath("target.htm")));
  }

  void modalWindowInsideEvent_thenLoads() {
    QtUi ui;
    QWidget slides;
    ui.RegisterWindow("SlideForm", &slides);
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    bool returned = false;
    recorder_.answer = [&](const std::string& address) {
      if (address.find("target.htm") == std::string::npos) return false;
      QTimer::singleShot(200, &slides, &QWidget::hide);
      ui.ShowModal("SlideForm");
      returned = !slides.isVisible();
      // A plain nested loop as well, as waiting windows run.
      QEventLoop loop;
      QTimer::singleShot(100, &loop, &QEventLoop::quit);
      loop.exec();
      return false;
    };
    Click(*browser_, "local");
    WAIT_VERIFY(recorder_.Logged("title Cel"));
    QVERIFY(returned);
    QVERIFY(Shows(*browser_, DataPath("target.htm")));
  }

  // The main browser's first page goes before the others'; they are asked
  // at once and load the last page asked for, once, and stay off the screen
  // until then.
  void heldBrowser_loadsItsLastPageAfterTheLeadersFirst() {
    QtBrowser follower;
    Recorder followed;
    Follow(follower, followed);
    QVERIFY(!follower.view()->isVisible());
    follower.Navigate(DataPath("other.htm"));
    follower.Navigate(DataPath("target.htm"));
    QCOMPARE(followed.addresses,
             (std::vector<std::string>{DataPath("other.htm"), DataPath("target.htm")}));
    Pause(300);
    QCOMPARE(followed.completed, 0);

    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    WAIT_VERIFY(followed.completed == 1);
    QVERIFY(Shows(follower, DataPath("target.htm")));
    QVERIFY(follower.view()->isVisible());
    Pause(300);
    QCOMPARE(followed.completed, 1);

    // The hold was for the first page only.
    QVERIFY(Load(follower, followed, DataPath("other.htm")));
  }

  // Later, a page asked for while the leader loads one starts only once the
  // leader's has loaded, and the browser stays on the screen meanwhile.
  void heldBrowser_pageAskedWhileTheLeaderLoadsStartsAfterIt() {
    QtBrowser follower;
    Recorder followed;
    Follow(follower, followed);
    QVERIFY(Load(*browser_, recorder_, DataPath("links_iso.htm")));
    QVERIFY(Load(follower, followed, DataPath("other.htm")));
    QVERIFY(follower.view()->isVisible());

    std::vector<std::string> order;
    QObject::connect(
        browser_->page(), &QWebEnginePage::loadStarted, &follower,
        [&] {
          QTimer::singleShot(0, &follower, [&] { follower.Navigate(DataPath("target.htm")); });
        },
        Qt::SingleShotConnection);
    QObject::connect(browser_->page(), &QWebEnginePage::loadFinished, &follower,
                     [&] { order.push_back("leader loaded"); });
    QObject::connect(follower.page(), &QWebEnginePage::loadStarted, &follower,
                     [&] { order.push_back("follower started"); });
    browser_->Navigate(DataPath("target.htm"));
    WAIT_VERIFY(order.size() >= 2);
    QVERIFY(Shows(follower, DataPath("target.htm")));
    QVERIFY2(order == (std::vector<std::string>{"leader loaded", "follower started"}),
             qPrintable(QString::fromStdString(Joined(order))));
    QVERIFY(follower.view()->isVisible());
  }

  // A browser whose window is closed gives its page back; the next page it
  // is sent loads into a fresh one with the same events. Only closing does
  // it, and only for a browser that asked.
  void renewingBrowser_closedWindowGivesThePageBack_andTheNextLoadsAsBefore() {
    QWidget window;
    window.resize(320, 240);
    QtBrowser renewing(&window);
    QtBrowser keeping(&window);
    renewing.RenewPageWhenHidden();
    Recorder renewed, kept;
    renewed.Attach(renewing);
    kept.Attach(keeping);
    window.show();
    QVERIFY(Load(renewing, renewed, DataPath("links_iso.htm")));
    QVERIFY(Load(keeping, kept, DataPath("links_iso.htm")));
    QPointer<QWebEnginePage> first(renewing.page());
    QPointer<QWebEnginePage> keptPage(keeping.page());

    // Not from inside a nested loop (a dialog of the page may be running
    // it): once the program's own loop runs again.
    bool keptWhileNested = false;
    QEventLoop outer;
    QTimer::singleShot(0, &outer, [&] {
      QEventLoop inner;
      QTimer::singleShot(0, &inner, [&] { window.hide(); });
      QTimer::singleShot(300, &inner, &QEventLoop::quit);
      inner.exec();
      keptWhileNested = !first.isNull();
      outer.quit();
    });
    outer.exec();
    QVERIFY(keptWhileNested);
    WAIT_VERIFY(first.isNull());
    QCOMPARE(renewing.view()->page(), renewing.page());
    QVERIFY(renewing.page()->url().isEmpty());
    QCOMPARE(keeping.page(), keptPage.data());
    QVERIFY(Shows(keeping, DataPath("links_iso.htm")));

    renewed.log.clear();
    renewed.addresses.clear();
    QVERIFY(Load(renewing, renewed, DataPath("links_iso.htm")));
    // A page sent while the window is closing is not given back.
    window.show();
    window.hide();
    const int before = renewed.completed;
    renewing.Navigate(DataPath("other.htm"));
    WAIT_VERIFY(renewed.completed > before);
    window.show();
    QVERIFY(Shows(renewing, DataPath("other.htm")));
    QVERIFY(Load(renewing, renewed, DataPath("links_iso.htm")));
    QCOMPARE(renewed.addresses,
             (std::vector<std::string>{DataPath("links_iso.htm"), DataPath("other.htm"),
                                       DataPath("links_iso.htm")}));
    // The page's own links are still asked about.
    Click(renewing, "local");
    WAIT_VERIFY(renewed.Logged("title Cel"));
  }

  // A browser hidden while held stays hidden once its page is loaded.
  void heldBrowser_loadsAfterTheLimitWhenTheLeaderLoadsNothing() {
    QtBrowser follower;
    follower.view()->show();
    Recorder followed;
    followed.Attach(follower);
    follower.LoadAfterPagesOf(*browser_, 200);
    follower.SetVisible(false);
    QElapsedTimer waited;
    waited.start();
    QVERIFY(Load(follower, followed, DataPath("other.htm")));
    QVERIFY(waited.elapsed() >= 200);
    QCOMPARE(recorder_.completed, 0);
    QVERIFY(follower.view()->isHidden());
  }

 private:
  // A browser on the screen whose pages wait for the main browser's.
  void Follow(QtBrowser& follower, Recorder& followed) {
    follower.view()->resize(320, 240);
    follower.view()->show();
    followed.Attach(follower);
    follower.LoadAfterPagesOf(*browser_);
  }

  std::unique_ptr<QtBrowser> browser_;
  Recorder recorder_;
};

QTEST_MAIN(BrowserEventsTest)
#include "browser_events_test.moc"
