// Local files named in another letter case than on disk: the page, the
// links the program lets proceed and the pictures inside still load.

#include "viewer/local_file_case.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <QWebEngineView>
#include <functional>
#include <memory>

#include "gui_wait.h"
#include "platform/codepage.h"
#include "viewer/qt_browser.h"
#include "viewer/request_guard.h"

using velmora::platform::BrowserEvents;
using velmora::platform::qt::QtBrowser;
using velmora::platform::qt::WithRealLocalPath;

namespace {

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class LocalFileCaseTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    velmora::platform::qt::AllowLocalRoots({dir_.path()});
    QVERIFY(QDir(dir_.path()).mkpath("Data/Pics"));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(dir_.path() + "/Data/Pics/Obraz.png"));
    Write(dir_.path() + "/Data/Strona.HTM",
          "<html><head><title>temat: Strona</title></head><body>"
          "<img id=p src=\"PICS/OBRAZ.PNG\"><a id=l href=\"DRUGA.htm\">dalej</a></body></html>");
    Write(dir_.path() + "/Data/druga.HTM",
          "<html><head><title>temat: Druga</title></head><body>2</body></html>");
  }

  void urlInOtherCase_resolvesToTheFileOnDisk() {
    const QUrl real = WithRealLocalPath(QUrl::fromLocalFile(dir_.path() + "/data/strona.htm"));
    QCOMPARE(real.toLocalFile(), dir_.path() + "/Data/Strona.HTM");
    QCOMPARE(WithRealLocalPath(QUrl("http://db?rp1")), QUrl("http://db?rp1"));
    const QUrl missing = QUrl::fromLocalFile(dir_.path() + "/Data/brak.htm");
    QCOMPARE(WithRealLocalPath(missing), missing);
  }

  // The engine asks for every picture of a page: the names of a directory
  // are read once, and what the program writes afterwards is found too.
  void manyLookups_listEachDirectoryOnce_andSeeNewFiles() {
    velmora::platform::NativeFileSystem files;
    velmora::platform::qt::ResolveLocalNamesWith(&files);
    const std::shared_ptr<void> unregister(
        nullptr, [](void*) { velmora::platform::qt::ResolveLocalNamesWith(nullptr); });
    auto lookUp = [this](int times) {
      for (int i = 0; i < times; ++i) {
        const QUrl real = WithRealLocalPath(QUrl::fromLocalFile(
            dir_.path() + (i % 2 ? "/data/strona.htm" : "/DATA/PICS/obraz.png")));
        if (!QFileInfo::exists(real.toLocalFile())) return false;
        WithRealLocalPath(QUrl::fromLocalFile(dir_.path() + "/Data/brak" + QString::number(i)));
      }
      return true;
    };
    QVERIFY(lookUp(2));
    const int listed = files.DirectoryListingsRead();
    QVERIFY(lookUp(1000));
    QCOMPARE(files.DirectoryListingsRead(), listed);

    const std::string written =
        velmora::platform::Utf8ToWin1250((dir_.path() + "/Data/Nowa.htm").toStdString());
    QVERIFY(files.WriteFile(written, "<p>nowa</p>"));
    QCOMPARE(WithRealLocalPath(QUrl::fromLocalFile(dir_.path() + "/data/NOWA.HTM")).toLocalFile(),
             dir_.path() + "/Data/Nowa.htm");
    QVERIFY(files.DeleteFile(written));
  }

  void pageLinkAndPicture_loadWhateverTheirLetterCase() {
    QtBrowser browser;
    browser.view()->resize(400, 300);
    browser.view()->show();
    int loads = 0;
    std::string title;
    BrowserEvents events;
    events.BeforeNavigate2 = [](const std::string&, bool&) {};
    events.TitleChange = [&title](const std::string& text) { title = text; };
    events.DownloadComplete = [&loads] { ++loads; };
    browser.SetEvents(std::move(events));

    const std::string lower =
        velmora::platform::Utf8ToWin1250((dir_.path() + "/data/strona.htm").toStdString());
    browser.Navigate(lower);
    QVERIFY(WaitUntil([&] { return loads >= 1 && title == "temat: Strona"; }));

    int width = -1;
    QVERIFY(WaitUntil([&] {
      browser.page()->runJavaScript("document.getElementById('p').naturalWidth",
                                    [&width](const QVariant& value) { width = value.toInt(); });
      return width == 40;
    }));

    browser.page()->runJavaScript("document.getElementById('l').click()");
    QVERIFY(WaitUntil([&] { return title == "temat: Druga"; }));
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(LocalFileCaseTest)
#include "local_file_case_test.moc"
