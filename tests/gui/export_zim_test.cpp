// The demo disc exported to a ZIM archive and served by kiwix-serve on a
// loopback port, read in the browser engine the viewer uses: from the start
// page to a record page, a definition as a pop-up, Kiwix's own full-text
// search and a transcoded film.

#include <unistd.h>

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "exported_disc.h"

class ExportZimTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const QString kiwixServe = QStandardPaths::findExecutable("kiwix-serve");
    QVERIFY2(!kiwixServe.isEmpty(), "kiwix-serve (Debian package kiwix-tools) is needed");
    QVERIFY(temp_.isValid());
    // kiwix-serve names the archive in its addresses after the file.
    QVERIFY(ExportDemoDisc("--zim", temp_.filePath("velmora.zim")));
    const QString archive = temp_.filePath("velmora.zim");
    port_ = StartOnFreePort(server_, kiwixServe, [&](quint16 port) {
      return QStringList{"--address=127.0.0.1", "--port=" + QString::number(port),
                         "--attachToProcess=" + QString::number(::getpid()), archive};
    });
    QVERIFY2(port_ != 0, "kiwix-serve did not start");
  }

  void cleanupTestCase() { server_.Stop(); }

  void startPage_leadsToARecordPage() {
    QWebEnginePage page;
    QVERIFY(LoadUrl(page, Address("")));
    QVERIFY(page.url().toString().endsWith("/velmora/Data/799.htm"));
    QVERIFY(ClickThrough(page, "a[href$=\"gen/rp/108.html\"]"));
    QVERIFY(page.url().toString().endsWith("/velmora/gen/rp/108.html"));
    QVERIFY(PageTitleStrip(page).startsWith("Rezerwat przyrody"));
  }

  void recordPage_opensADefinitionAsAPopupOverItself() {
    QWebEnginePage page;
    QVERIFY(LoadUrl(page, Address("gen/rp/101.html")));
    QCOMPARE(OpenFirstDefinition(page), Address("gen/dic/rezerwat.html").toString());
  }

  void kiwixSearch_findsThePagesTheViewersSearchFinds() {
    const QString word = "1938";
    QWebEnginePage page;
    QVERIFY(LoadUrl(page, Address("gen/rp/108.html")));
    // Kiwix's own search box, which kiwix-serve puts over every page.
    QVERIFY(ScriptToNextPage(page,
                             "var box = document.getElementById('kiwixsearchbox');"
                             "if (box) { box.value = '" +
                                 word +
                                 "'; box.form.submit(); }"
                                 "box ? 'done' : 'none'"));
    QVERIFY(page.url().path().endsWith("/search"));
    const QStringList found =
        RunPageScript(page,
                      "Array.from(document.querySelectorAll('.results a'))"
                      ".map(a => a.getAttribute('href').replace(/^\\/velmora\\//, '')).join(' ')")
            .split(' ', Qt::SkipEmptyParts);
    // The disc's pages the viewer's search lists, and beside them the
    // generated pages that hold the word, which the viewer does not search.
    QStringList discPages = found.filter(QRegularExpression("^Data/"));
    QStringList expected = DiscSearchPages(word);
    QVERIFY(!expected.isEmpty());
    discPages.sort();
    expected.sort();
    QCOMPARE(discPages, expected);
    QVERIFY(found.contains("gen/rp/101.html"));
  }

  void film_playsAsHtml5Video() {
    QWebEnginePage page;
    QCOMPARE(PlayFilm(page, Address("gen/film/bobry.html")), QString("playing"));
  }

 private:
  QUrl Address(const QString& path) const {
    return QUrl(QString("http://127.0.0.1:%1/velmora/%2").arg(port_).arg(path));
  }

  QTemporaryDir temp_;
  ServerProcess server_;
  quint16 port_ = 0;
};

QTEST_MAIN(ExportZimTest)
#include "export_zim_test.moc"
