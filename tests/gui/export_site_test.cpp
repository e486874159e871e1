// The demo disc exported as a site, read from file: in the browser engine
// the viewer uses, as any browser would read it: a record page opens a
// definition as a pop-up over itself, and the search page finds the pages.

#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QtTest>

#include "gui_wait.h"
#include "page_script.h"

namespace {

bool Load(QWebEnginePage& page, const QString& path, const QString& fragment = {}) {
  bool loaded = false;
  bool ok = false;
  const auto connection = QObject::connect(&page, &QWebEnginePage::loadFinished, [&](bool result) {
    ok = result;
    loaded = true;
  });
  QUrl url = QUrl::fromLocalFile(path);
  if (!fragment.isEmpty()) url.setFragment(fragment);
  page.load(url);
  WaitUntil([&] { return loaded; });
  QObject::disconnect(connection);
  return ok;
}

}  // namespace

class ExportSiteTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    site_ = temp_.filePath("site");
    QProcess cli;
    cli.start(VELMORA_CLI,
              {"export", "--disc", VELMORA_SAMPLE_CONTENT, "--site", site_, "--quiet"});
    QVERIFY(cli.waitForFinished(120000));
    QCOMPARE(cli.exitCode(), 0);
  }

  void recordPage_opensADefinitionAsAPopupOverItself() {
    QWebEnginePage page;
    QVERIFY(Load(page, site_ + "/gen/rp/101.html"));
    QCOMPARE(RunPageScript(page, "document.querySelector('.vx-title').textContent"),
             QString::fromUtf8("Rezerwat przyrody Kępa Redłowska"));
    RunPageScript(page, "document.querySelector('a[href=\"../dic/rezerwat.html\"]').click(); 1");
    // The page stays; the pop-up shows the definition's page in a frame.
    WAIT_VERIFY(RunPageScript(page,
                              "var b = document.getElementById('vx-popup');"
                              "b && !b.hidden ? b.querySelector('iframe').src : ''")
                    .endsWith("/gen/dic/rezerwat.html"));
    QVERIFY(page.url().toString().endsWith("/gen/rp/101.html"));
    RunPageScript(page, "document.querySelector('#vx-popup button').click(); 1");
    QCOMPARE(RunPageScript(page, "String(document.getElementById('vx-popup').hidden)"),
             QString("true"));
  }

  void searchPage_listsThePagesHoldingTheWord() {
    QWebEnginePage page;
    QVERIFY(Load(page, site_ + "/gen/search.html", "1938"));
    // The viewer's search finds "1938" in these two pages of the demo disc.
    WAIT_VERIFY(RunPageScript(page,
                              "Array.from(document.querySelectorAll('#vx-results li a'))"
                              ".map(a => a.getAttribute('href')).join(' ')") ==
                "../Data/118.htm ../Data/611a.htm");
  }

 private:
  QTemporaryDir temp_;
  QString site_;
};

QTEST_MAIN(ExportSiteTest)
#include "export_site_test.moc"
