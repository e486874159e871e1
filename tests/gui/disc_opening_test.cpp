// Opening a disc as desktop programs open files: the viewer run with a disc
// image on its command line shows the start page and unpacks the image only
// the first time; a damaged image ends with a Polish message and leaves no
// copy; with no disc known the chooser comes, and a disc chosen there with
// the keyboard is written to the settings and shows the start page.

#include "viewer/disc_opening.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <filesystem>

#include "gui_wait.h"
#include "sample_disc_viewer.h"
#include "tests/support/fake_platform.h"
#include "viewer/qt_main_window.h"
#include "viewer/qt_system.h"

namespace fs = std::filesystem;
using namespace velmora;

namespace {

struct Run {
  int status = -1;
  QString errors;
};

// The viewer as the user runs it, in `folder`, with a home of its own; it
// ends by itself with a screenshot once its first window is up.
Run RunViewer(const QString& home, const QString& folder, const QStringList& arguments,
              const QString& shot) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
    environment.remove(QString::fromLatin1(name));
  }
  environment.insert(QStringLiteral("HOME"), home);
  environment.insert(QStringLiteral("VELMORA_MEDIA_ROOTS"), home + QStringLiteral("/media"));
  environment.insert(QStringLiteral("VELMORA_SCREENSHOT"), shot);
  environment.insert(QStringLiteral("VELMORA_SCREENSHOT_DELAY_MS"), QStringLiteral("500"));
  QProcess viewer;
  viewer.setProcessEnvironment(environment);
  viewer.setWorkingDirectory(folder);
  viewer.start(QStringLiteral(VELMORA_VIEWER), arguments);
  Run run;
  if (!viewer.waitForFinished(180000) || viewer.exitStatus() != QProcess::NormalExit) return run;
  run.status = viewer.exitCode();
  run.errors = QString::fromUtf8(viewer.readAllStandardError());
  return run;
}

bool MakeImage(const QString& tree, const QString& image) {
  return QProcess::execute(
             QStringLiteral("xorriso"),
             {QStringLiteral("-as"), QStringLiteral("mkisofs"), QStringLiteral("-quiet"),
              QStringLiteral("-J"), QStringLiteral("-R"), QStringLiteral("-o"), image, tree}) == 0;
}

// The one image directory of the cache under home.
QString CachedImage(const QString& home) {
  const QDir discs(home + QStringLiteral("/.cache/velmora/discs"));
  const QStringList entries = discs.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  return entries.size() == 1 ? discs.filePath(entries.front()) : QString();
}

}  // namespace

class DiscOpeningTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void imageOnTheCommandLine_showsTheStartPage_andIsUnpackedOnce();
  void damagedImage_endsWithAPolishMessage_andLeavesNoCopy();
  void noDiscKnown_showsTheChooser();
  void discChosenWithTheKeyboard_isWritten_andShowsTheStartPage();
  void chooserClosed_endsWithNothingWritten();

 private:
  QTemporaryDir dir_;
  QString image_;
};

void DiscOpeningTest::initTestCase() {
  if (QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty()) {
    QSKIP("xorriso is not installed");
  }
  QVERIFY(dir_.isValid());
  image_ = dir_.filePath(QStringLiteral("velmora.iso"));
  QVERIFY(MakeImage(QStringLiteral(VELMORA_SAMPLE_CONTENT), image_));
  // The settings and the cache of the in-process tests, before anything reads them.
  qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_CACHE_HOME", dir_.filePath(QStringLiteral("cache")).toUtf8());
  qputenv("VELMORA_MEDIA_ROOTS", dir_.filePath(QStringLiteral("media")).toUtf8());
}

void DiscOpeningTest::imageOnTheCommandLine_showsTheStartPage_andIsUnpackedOnce() {
  QTemporaryDir home;
  QTemporaryDir empty;
  const QString shot = home.filePath(QStringLiteral("shot.png"));
  const Run first = RunViewer(home.path(), empty.path(), {image_}, shot);
  QCOMPARE(first.status, 0);
  QVERIFY(QFile::exists(shot));
  // The programs of the Rock Ridge image ran: no box, neither at start nor at the end.
  QVERIFY2(!first.errors.contains(QStringLiteral("Błąd")), qPrintable(first.errors));
  // For this run only: the settings are not written.
  QVERIFY(!QFile::exists(home.filePath(QStringLiteral(".config/Kestrava/VNQE.conf"))));

  const QString cached = CachedImage(home.path());
  QVERIFY(!cached.isEmpty());
  QFile mark(cached + QStringLiteral("/disc/mark"));
  QVERIFY(mark.open(QIODevice::WriteOnly));
  mark.close();
  QFile::remove(shot);
  const Run second = RunViewer(home.path(), empty.path(), {image_}, shot);
  QCOMPARE(second.status, 0);
  QVERIFY(QFile::exists(shot));
  QVERIFY2(QFile::exists(mark.fileName()), "the image was unpacked again");
}

void DiscOpeningTest::damagedImage_endsWithAPolishMessage_andLeavesNoCopy() {
  QTemporaryDir home;
  const QString damaged = home.filePath(QStringLiteral("obciety.iso"));
  QVERIFY(QFile::copy(image_, damaged));
  QFile cut(damaged);
  QVERIFY(cut.resize(cut.size() / 3));
  const Run run =
      RunViewer(home.path(), home.path(), {damaged}, home.filePath(QStringLiteral("shot.png")));
  QCOMPARE(run.status, 1);
  QVERIFY2(run.errors.contains(QStringLiteral("Nie można odczytać obrazu płyty")),
           qPrintable(run.errors));
  QVERIFY(!QFile::exists(home.filePath(QStringLiteral("shot.png"))));
  const QString cached = CachedImage(home.path());
  QVERIFY(!QFile::exists(cached + QStringLiteral("/disc")));
  QVERIFY(!QFile::exists(cached + QStringLiteral("/complete")));
}

void DiscOpeningTest::noDiscKnown_showsTheChooser() {
  QTemporaryDir home;
  const QString shot = home.filePath(QStringLiteral("chooser.png"));
  // Closed once seen: nothing chosen.
  const Run run = RunViewer(home.path(), home.path(), {}, shot);
  QCOMPARE(run.status, 0);
  QVERIFY(QFile::exists(shot));
  QVERIFY(!QFile::exists(home.filePath(QStringLiteral(".config/Kestrava/VNQE.conf"))));
}

void DiscOpeningTest::discChosenWithTheKeyboard_isWritten_andShowsTheStartPage() {
  const QString mounted = dir_.filePath(QStringLiteral("media/VELMORA"));
  std::error_code error;
  fs::create_directories(mounted.toStdString(), error);
  fs::copy(VELMORA_SAMPLE_CONTENT, mounted.toStdString(), fs::copy_options::recursive, error);
  QVERIFY2(!error, error.message().c_str());
  QVERIFY(QDir::setCurrent(dir_.path()));

  // The first found disc is chosen; Enter opens it.
  bool pressed = false;
  platform::qt::DiscOpeningOptions options;
  options.chooserShown = [&pressed](QWidget& chooser) {
    QVERIFY(chooser.isVisible());
    QTest::keyClick(&chooser, Qt::Key_Return);
    pressed = true;
  };
  const platform::qt::DiscOpening opening = platform::qt::OpenDisc(std::nullopt, options);
  QVERIFY(pressed);
  QVERIFY(!opening.status);
  QVERIFY(!opening.thisRun);

  const std::optional<platform::ContentKey> key = platform::qt::QtSettingsStore().OpenContentKey();
  QVERIFY(key && key->cdPath && key->instPath);
  QCOMPARE(QString::fromStdString(*key->cdPath), mounted + u'/');
  QCOMPARE(*key->instPath, *key->cdPath);

  velmora::test::FakeShell shell;
  SampleDiscViewer viewer(shell, nullptr, SampleDiscKey(*key->cdPath));
  QVERIFY(viewer.Start());
  QWebEngineView* view = viewer.Viewer().MainWindow().MainWebBrowser().view();
  WAIT_VERIFY(view->url().fileName() == QStringLiteral("799.htm") && !view->title().isEmpty());
  QVERIFY(QFile::remove(platform::qt::QtSettingsStore::Location()));
}

void DiscOpeningTest::chooserClosed_endsWithNothingWritten() {
  QVERIFY(QDir::setCurrent(dir_.path()));
  platform::qt::DiscOpeningOptions options;
  options.chooserShown = [](QWidget& chooser) { QTest::keyClick(&chooser, Qt::Key_Escape); };
  const platform::qt::DiscOpening opening = platform::qt::OpenDisc(std::nullopt, options);
  QCOMPARE(opening.status, std::optional<int>(0));
  QVERIFY(!QFile::exists(platform::qt::QtSettingsStore::Location()));
}

QTEST_MAIN(DiscOpeningTest)
#include "disc_opening_test.moc"
