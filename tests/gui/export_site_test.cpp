// The demo disc exported as a site, read in the browser engine the viewer
// uses, as any browser would read it: from file: and from a web server on a
// loopback port. From the start page to a record page, a definition as a
// pop-up over it, the search page and a transcoded film.

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "exported_disc.h"

class ExportSiteTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    site_ = temp_.filePath("site");
    QVERIFY(ExportDemoDisc("--site", site_));
    const QString python = QStandardPaths::findExecutable("python3");
    QVERIFY2(!python.isEmpty(), "python3 serves the site");
    port_ = StartOnFreePort(server_, python, [&](quint16 port) {
      return QStringList{"-m",          "http.server", QString::number(port), "--bind", "127.0.0.1",
                         "--directory", site_};
    });
    QVERIFY2(port_ != 0, "the web server did not start");
  }

  void cleanupTestCase() { server_.Stop(); }

  void startPage_leadsToARecordPage_data() { Sources(); }
  void startPage_leadsToARecordPage() {
    QWebEnginePage page;
    // index.html leads on to the disc's start page.
    QVERIFY(LoadUrl(page, Address("index.html"), Address("Data/799.htm")));
    QVERIFY(ClickThrough(page, "a[href$=\"gen/rp/108.html\"]"));
    QCOMPARE(page.url(), Address("gen/rp/108.html"));
    QVERIFY(PageTitleStrip(page).startsWith("Rezerwat przyrody"));
  }

  void recordPage_opensADefinitionAsAPopupOverItself_data() { Sources(); }
  void recordPage_opensADefinitionAsAPopupOverItself() {
    QWebEnginePage page;
    QVERIFY(LoadUrl(page, Address("gen/rp/101.html")));
    QCOMPARE(PageTitleStrip(page), QString::fromUtf8("Rezerwat przyrody Kępa Redłowska"));
    QCOMPARE(OpenFirstDefinition(page), Address("gen/dic/rezerwat.html").toString());
    RunPageScript(page, "document.querySelector('#vx-popup button').click(); 1");
    QCOMPARE(RunPageScript(page, "String(document.getElementById('vx-popup').hidden)"),
             QString("true"));
  }

  void searchPage_listsThePagesTheViewersSearchFinds_data() { Sources(); }
  void searchPage_listsThePagesTheViewersSearchFinds() {
    const QString word = "1938";
    QWebEnginePage page;
    QUrl search = Address("gen/search.html");
    search.setFragment(word);
    QVERIFY(LoadUrl(page, search));
    const QStringList expected = DiscSearchPages(word);
    QVERIFY(!expected.isEmpty());
    WAIT_VERIFY(RunPageScript(page,
                              "Array.from(document.querySelectorAll('#vx-results li a'))"
                              ".map(a => a.getAttribute('href').replace(/^\\.\\.\\//, ''))"
                              ".join(' ')") == expected.join(' '));
  }

  void searchPage_withABrokenEscapeInItsAddress_stillSearches_data() { Sources(); }
  void searchPage_withABrokenEscapeInItsAddress_stillSearches() {
    QWebEnginePage page;
    QVERIFY(LoadUrl(page, QUrl(Address("gen/search.html").toString() + "#%E0x")));
    WAIT_VERIFY(RunPageScript(page, "document.getElementById('vx-results').textContent")
                    .startsWith("Rezultaty wyszukiwania"));
    QCOMPARE(RunPageScript(page, "document.querySelector('#vx-search input').value"),
             QString("%E0x"));
  }

  // The page as a reader sees it, painted with the export's style (its
  // title strip's colour); VELMORA_EXPORT_SCREENSHOT=FILE.png keeps it
  // (docs/screenshots/export-record-page.png).
  void recordPage_isPaintedWithTheExportsStyle() {
    QWebEngineView view;
    view.resize(900, 640);
    view.show();
    QVERIFY(LoadUrl(*view.page(), QUrl::fromLocalFile(site_ + "/gen/rp/101.html")));
    QImage shot;
    WAIT_VERIFY((shot = view.grab().toImage(), HasColour(shot, qRgb(0xe6, 0xed, 0xdc))));
    const QString keep = qEnvironmentVariable("VELMORA_EXPORT_SCREENSHOT");
    if (!keep.isEmpty()) QVERIFY(shot.save(keep, "PNG"));
  }

  void film_playsAsHtml5Video_data() { Sources(); }
  void film_playsAsHtml5Video() {
    QWebEnginePage page;
    QCOMPARE(PlayFilm(page, Address("gen/film/bobry.html")), QString("playing"));
  }

 private:
  void Sources() {
    QTest::addColumn<bool>("served");
    QTest::newRow("file") << false;
    QTest::newRow("http") << true;
  }

  static bool HasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); y += 2) {
      for (int x = 0; x < image.width(); x += 2) {
        if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
      }
    }
    return false;
  }

  QUrl Address(const QString& path) const {
    QFETCH(bool, served);
    return served ? QUrl(QString("http://127.0.0.1:%1/%2").arg(port_).arg(path))
                  : QUrl::fromLocalFile(site_ + "/" + path);
  }

  QTemporaryDir temp_;
  QString site_;
  ServerProcess server_;
  quint16 port_ = 0;
};

QTEST_MAIN(ExportSiteTest)
#include "export_site_test.moc"
