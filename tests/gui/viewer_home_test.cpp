// The viewer as the user runs it, on a copy of the demo disc whose start
// page uses every kind of storage a page has, with a home directory of its
// own: nothing is left there (no engine profile tree, no shader cache).

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kStoringStartPage = R"(<html><head><title>start</title></head>
<body><p>Strona</p><script>
try { localStorage.setItem('a', 'b'); sessionStorage.setItem('a', 'b'); } catch (e) {}
try { indexedDB.open('baza', 1).onupgradeneeded = function (e) { e.target.result.createObjectStore('s'); }; } catch (e) {}
try { caches.open('c').then(function (c) { return c.put('x', new Response('y')); }); } catch (e) {}
try { webkitRequestFileSystem(TEMPORARY, 1024, function (f) { f.root.getFile('f', {create: true}); }); } catch (e) {}
try { navigator.serviceWorker.register('sw.js'); } catch (e) {}
try { document.cookie = 'a=b'; } catch (e) {}
</script></body></html>)";

}  // namespace

class ViewerHomeTest : public QObject {
  Q_OBJECT

 private slots:
  void viewer_leavesNothingInTheHomeDirectory();
};

void ViewerHomeTest::viewer_leavesNothingInTheHomeDirectory() {
  QTemporaryDir home;
  QTemporaryDir disc;
  QVERIFY(home.isValid() && disc.isValid());
  std::error_code error;
  fs::copy(VELMORA_SAMPLE_CONTENT, disc.path().toStdString(),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
  QVERIFY2(!error, error.message().c_str());
  QFile start(disc.filePath(QStringLiteral("Data/799.htm")));
  QVERIFY(start.open(QIODevice::WriteOnly | QIODevice::Truncate));
  start.write(kStoringStartPage);
  start.close();

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name :
       {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
    environment.remove(QString::fromLatin1(name));
  }
  environment.insert(QStringLiteral("HOME"), home.path());
  // It ends by itself once the start page has loaded and had its time.
  environment.insert(QStringLiteral("VELMORA_SCREENSHOT"),
                     disc.filePath(QStringLiteral("shot.png")));
  environment.insert(QStringLiteral("VELMORA_SCREENSHOT_DELAY_MS"), QStringLiteral("1500"));
  QProcess viewer;
  viewer.setProcessEnvironment(environment);
  viewer.setWorkingDirectory(disc.path());
  viewer.setProcessChannelMode(QProcess::ForwardedChannels);
  viewer.start(QStringLiteral(VELMORA_VIEWER), {});
  QVERIFY(viewer.waitForFinished(180000));
  QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
  QCOMPARE(viewer.exitCode(), 0);
  QVERIFY(QFile::exists(disc.filePath(QStringLiteral("shot.png"))));

  QStringList left;
  QDirIterator entries(home.path(),
                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
  while (entries.hasNext()) left << entries.next();
  QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
}

QTEST_GUILESS_MAIN(ViewerHomeTest)
#include "viewer_home_test.moc"
