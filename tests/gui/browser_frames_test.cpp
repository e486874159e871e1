// Framesets on the real engine: a link in one frame loads into the frame it
// targets once BeforeNavigate2 lets it through, stays where it is when the
// core cancels it, and a page that would open another window loads in this
// browser instead.

#include <QTest>
#include <string>
#include <vector>

#include "gui_wait.h"
#include "test_page_browser.h"
#include "viewer/qt_browser.h"

using velmora::platform::BrowserEvents;
using velmora::platform::qt::QtBrowser;

namespace {

std::string DataPath(const std::string& name) {
  return std::string(VELMORA_TEST_DATA) + "/gui/" + name;
}

QString Evaluate(QtBrowser& browser, const QString& script) {
  QString value;
  bool answered = false;
  browser.page()->runJavaScript(script, [&](const QVariant& result) {
    value = result.toString();
    answered = true;
  });
  WaitUntil([&] { return answered; });
  return value;
}

// Title of the document in the named frame of the top page, or "" while
// there is none.
QString FrameTitle(QtBrowser& browser, const QString& frame) {
  return Evaluate(browser,
                  QStringLiteral("(function () { try { return frames['%1'].document.title; }"
                                 " catch (e) { return ''; } })()")
                      .arg(frame));
}

void ClickInContents(QtBrowser& browser, const QString& id) {
  browser.page()->runJavaScript(
      QStringLiteral("frames['contents'].document.getElementById('%1').click()").arg(id));
}

void Pause(int ms) {
  bool done = false;
  QTimer::singleShot(ms, [&] { done = true; });
  WaitUntil([&] { return done; });
}

}  // namespace

class BrowserFramesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    browser_ = ShownTestPageBrowser();
    asked_.clear();
    BrowserEvents events;
    events.BeforeNavigate2 = [this](const std::string& address, bool& cancel) {
      asked_.push_back(address);
      cancel = address.find("frame_page2.htm") != std::string::npos;
    };
    events.DownloadComplete = [this] { ++completed_; };
    browser_->SetEvents(std::move(events));
    browser_->Navigate(DataPath("frameset.htm"));
    QVERIFY(WaitUntil([&] {
      return FrameTitle(*browser_, "contents") == "Spis" &&
             FrameTitle(*browser_, "main") == QStringLiteral("Glowna") &&
             FrameTitle(*browser_, "footer") == QStringLiteral("Stopka");
    }));
  }
  void cleanup() {
    if (QTest::currentTestFailed()) {
      for (const auto& address : asked_) qWarning() << "asked" << address.c_str();
    }
    browser_.reset();
  }

  void namedAndSelfTargets_loadIntoTheirFrameOnly() {
    ClickInContents(*browser_, "named");
    WAIT_VERIFY(FrameTitle(*browser_, "main") == QStringLiteral("Pierwsza"));
    QVERIFY(Asked("frame_page1.htm"));
    QCOMPARE(FrameTitle(*browser_, "contents"), QStringLiteral("Spis"));
    QCOMPARE(FrameTitle(*browser_, "footer"), QStringLiteral("Stopka"));
    QVERIFY(browser_->page()->url().toLocalFile().endsWith("frameset.htm"));

    // Asked once: the replay into the frame is not offered again.
    QCOMPARE(std::count(asked_.begin(), asked_.end(), DataPath("frame_page1.htm")), 1);

    ClickInContents(*browser_, "self");
    WAIT_VERIFY(FrameTitle(*browser_, "contents") == QStringLiteral("Trzecia"));
    QCOMPARE(FrameTitle(*browser_, "main"), QStringLiteral("Pierwsza"));
    QCOMPARE(FrameTitle(*browser_, "footer"), QStringLiteral("Stopka"));
  }

  void cancelledLink_leavesEveryFrameAsItWas() {
    ClickInContents(*browser_, "cancelled");
    WAIT_VERIFY(Asked("frame_page2.htm"));
    Pause(500);
    QCOMPARE(FrameTitle(*browser_, "main"), QStringLiteral("Glowna"));
    QCOMPARE(FrameTitle(*browser_, "contents"), QStringLiteral("Spis"));
    // A later link to another page still finds its frame.
    ClickInContents(*browser_, "named");
    WAIT_VERIFY(FrameTitle(*browser_, "main") == QStringLiteral("Pierwsza"));
  }

  void topParentBlankAndScriptWindows_replaceTheWholePage() {
    const std::vector<std::pair<QString, QString>> cases = {{"top", "target.htm"},
                                                            {"parent", "other.htm"},
                                                            {"blank", "other.htm"},
                                                            {"open", "target.htm"}};
    for (const auto& [id, page] : cases) {
      const int loads = completed_;
      browser_->Navigate(DataPath("frameset.htm"));
      // The main frame's first page tells the new frameset from the one an
      // earlier case left, whose late frame loads also count.
      QVERIFY(WaitUntil([&] {
        return completed_ > loads && FrameTitle(*browser_, "contents") == "Spis" &&
               FrameTitle(*browser_, "main") == "Glowna" &&
               FrameTitle(*browser_, "footer") == "Stopka";
      }));
      asked_.clear();
      const int before = completed_;
      ClickInContents(*browser_, id);
      QVERIFY2(WaitUntil([&] {
                 return completed_ > before && browser_->page()->url().toLocalFile().endsWith(page);
               }),
               qPrintable(id));
      QVERIFY2(Asked(page.toStdString()), qPrintable(id));
    }
  }

 private:
  bool Asked(const std::string& name) const {
    return std::find(asked_.begin(), asked_.end(), DataPath(name)) != asked_.end();
  }

  std::unique_ptr<QtBrowser> browser_;
  std::vector<std::string> asked_;
  int completed_ = 0;
};

QTEST_MAIN(BrowserFramesTest)
#include "browser_frames_test.moc"
