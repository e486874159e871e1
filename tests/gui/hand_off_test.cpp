// Addresses handed to the desktop's browser and mail program, with the viewer
// on the demo disc in the real engine: a page that tries every way out
// without a click hands over nothing, each attempt refused with its reason;
// a link the user clicks hands its address over once, however many the
// page asks for on that click.

#include <QFile>
#include <QTest>
#include <QWebEngineView>
#include <memory>

#include "gui_wait.h"
#include "page_script.h"
#include "sample_disc_viewer.h"
#include "viewer/desktop_hand_off.h"
#include "viewer/hand_off_gate.h"
#include "viewer/qt_system.h"

namespace qt = velmora::platform::qt;

namespace {

bool Refused(const QString& url) {
  for (const qt::RefusedHandOff& refused : qt::RefusedHandOffs()) {
    if (refused.url.adjusted(QUrl::RemoveQuery) == QUrl(url)) return true;
  }
  return false;
}

}  // namespace

class HandOffTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void pageWithoutClick_handsNothingOver();
  void clickedLinks_handTheirAddressOverOnce();
  void programsOwnHandOffs_areLimitedInRate();

 private:
  QWebEngineView& MainView() { return *viewer_->Viewer().MainWindow().MainWebBrowser().view(); }
  // A copy of the test page in the working directory, where the viewer
  // shows pages from.
  QString Copy(const QString& name) {
    const QString path = viewer_->Temp().path() + "/VNQETMP/" + name;
    QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/gui/") + name, path);
    return path;
  }
  bool Visit(const QString& path) {
    const int before = loads_;
    viewer_->Viewer().MainWindow().MainWebBrowser().Navigate(path.toStdString());
    return WaitUntil([&] { return loads_ > before; }, 30000);
  }
  QString RunScript(const QString& script) { return RunPageScript(*MainView().page(), script); }
  // A real left click in the middle of the element, as the user gives it.
  void ClickOn(const QString& id) {
    const QStringList box =
        RunScript("(function () { var r = document.getElementById('" + id +
                  "').getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / "
                  "2].join(' '); })()")
            .split(u' ');
    QCOMPARE(box.size(), 2);
    const qreal zoom = MainView().page()->zoomFactor();
    const QPoint at(qRound(box[0].toDouble() * zoom), qRound(box[1].toDouble() * zoom));
    QWidget* surface = MainView().focusProxy() ? MainView().focusProxy() : &MainView();
    QTest::mouseClick(surface, Qt::LeftButton, {}, at);
  }

  qt::QtShell shell_;
  std::unique_ptr<SampleDiscViewer> viewer_;
  QList<QUrl> handedOff_;
  int loads_ = 0;
};

void HandOffTest::initTestCase() {
  qt::ReceiveHandOffsWith([this](const QUrl& url) { handedOff_ << url; });
  viewer_ = std::make_unique<SampleDiscViewer>(shell_);
  QVERIFY(viewer_->Valid());
  connect(&MainView(), &QWebEngineView::loadFinished, this, [this] { ++loads_; });
  QVERIFY(viewer_->Start());
  QVERIFY(WaitUntil([&] { return loads_ > 0; }));
}

void HandOffTest::cleanupTestCase() {
  viewer_.reset();
  qt::ReceiveHandOffsWith({});
}

void HandOffTest::pageWithoutClick_handsNothingOver() {
  qt::ClearRefusedHandOffs();
  QStringList noClick = {"przy-ladowaniu", "z-zegara",      "ramka",          "obiekt",
                         "osadzony",       "formularz-get", "formularz-post", "nowe-okno"};
  for (int i = 0; i < 30; ++i) noClick << QStringLiteral("okno%1").arg(i);
  const std::vector<std::pair<QString, QStringList>> pages = {
      {"hand_off_refresh.htm", {"odswiezenie"}}, {"hand_off_no_click.htm", noClick}};
  for (const auto& [page, ways] : pages) {
    QVERIFY(Visit(Copy(page)));
    for (const QString& way : ways) {
      QVERIFY2(WaitUntil([&] { return Refused("http://127.0.0.1:9/" + way); }, 20000),
               qPrintable(way));
    }
  }
  for (const qt::RefusedHandOff& refused : qt::RefusedHandOffs()) {
    qInfo("%s -- %s", qPrintable(refused.url.toString()), qPrintable(refused.reason));
    QVERIFY(refused.reason.startsWith("not started by a click"));
  }
  QVERIFY2(handedOff_.isEmpty(), qPrintable(QUrl::toStringList(handedOff_).join(u' ')));
}

void HandOffTest::clickedLinks_handTheirAddressOverOnce() {
  QVERIFY(Visit(Copy("hand_off_links.htm")));
  // A late load of the page before may have counted as this one.
  WAIT_VERIFY(RunScript("document.title") == "Linki");
  handedOff_.clear();
  ClickOn("www");
  WAIT_VERIFY(handedOff_.size() == 1);
  QCOMPARE(handedOff_.front(), QUrl("http://www.example.org/park"));
  ClickOn("poczta");
  WAIT_VERIFY(handedOff_.size() == 2);
  QCOMPARE(handedOff_.back(), QUrl("mailto:biuro@example.org"));

  // One click, one address: the 30 windows the page asks for on that click
  // and the link itself hand over one between them (the first window's: a
  // script the click runs may replace the link's address).
  qt::ClearRefusedHandOffs();
  ClickOn("zachlanny");
  WAIT_VERIFY(qt::RefusedHandOffs().size() == 30);
  QCOMPARE(handedOff_.size(), 3);
}

void HandOffTest::programsOwnHandOffs_areLimitedInRate() {
  // Outside any page's navigation (the program's own button) an address
  // leaves, but only a few in a short while.
  handedOff_.clear();
  qt::ClearRefusedHandOffs();
  for (int i = 0; i < 2 * qt::kMaxHandOffs; ++i) shell_.OpenAddress("http://www.example.org/");
  QVERIFY(handedOff_.size() <= qt::kMaxHandOffs);
  QVERIFY(qt::RefusedHandOffs().size() >= std::size_t(qt::kMaxHandOffs));
  QVERIFY(qt::RefusedHandOffs().back().reason.startsWith("more than"));
}

QTEST_MAIN(HandOffTest)
#include "hand_off_test.moc"
