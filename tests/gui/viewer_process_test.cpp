// The viewer as a process on the demo disc: what it prints on a start, and
// how a termination signal ends it.

#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

// A copy of the demo disc, and private home, temporary and runtime
// directories for one run of the viewer.
struct ViewerRun {
  ViewerRun() {
    std::error_code error;
    fs::copy(VELMORA_SAMPLE_CONTENT, disc.path().toStdString(), fs::copy_options::recursive, error);
    if (error) qFatal("cannot copy the demo disc: %s", error.message().c_str());
    QDir(temp.path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(temp.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                             "QT_LOGGING_RULES", "QT_DEBUG_PLUGINS",
                             // The viewer turns the engine's sandbox off by itself as root;
                             // asked through the variable, the engine says so on every start.
                             "QTWEBENGINE_DISABLE_SANDBOX"}) {
      environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("TMPDIR"), temp.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), temp.filePath(QStringLiteral("runtime")));
    viewer.setProcessEnvironment(environment);
    viewer.setWorkingDirectory(disc.path());
  }

  // The private runtime directory is the viewer's temporary-files path.
  QString OwnTemp() const { return temp.filePath(QStringLiteral("runtime")); }

  // Started to end by itself once the start page has shown.
  void StartToScreenshot(const QStringList& arguments = {}) {
    QProcessEnvironment environment = viewer.processEnvironment();
    environment.insert(QStringLiteral("VELMORA_SCREENSHOT"),
                       disc.filePath(QStringLiteral("s.png")));
    environment.insert(QStringLiteral("VELMORA_SCREENSHOT_DELAY_MS"), QStringLiteral("500"));
    viewer.setProcessEnvironment(environment);
    viewer.start(QStringLiteral(VELMORA_VIEWER), arguments);
  }

  QStringList ErrorLines() {
    return QString::fromUtf8(viewer.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
  }

  QTemporaryDir home;
  QTemporaryDir disc;
  QTemporaryDir temp;
  QProcess viewer;
};

// Lines that are not the viewer's own.
QStringList Foreign(const QStringList& lines) {
  QStringList foreign;
  for (const QString& line : lines) {
    if (!line.startsWith(QStringLiteral("velmora: "))) foreign << line;
  }
  return foreign;
}

}  // namespace

class ViewerProcessTest : public QObject {
  Q_OBJECT

 private slots:
  // The engine's graphics details and Chromium's log stay out of the
  // terminal unless --verbose asks for them.
  void start_printsNearlyNothing_butVerboseDoes() {
    ViewerRun quiet;
    quiet.StartToScreenshot();
    QVERIFY(quiet.viewer.waitForFinished(180000));
    QCOMPARE(quiet.viewer.exitCode(), 0);
    const QStringList lines = quiet.ErrorLines();
    // An offscreen screen without graphics may say so once.
    QVERIFY2(Foreign(lines).size() <= 1, qPrintable(lines.join(u'\n')));
    for (const QString& line : lines) {
      QVERIFY2(
          !line.contains(QStringLiteral("webengine")) && !line.contains(QStringLiteral("ERROR")),
          qPrintable(line));
    }

    ViewerRun verbose;
    verbose.StartToScreenshot({QStringLiteral("--verbose")});
    QVERIFY(verbose.viewer.waitForFinished(180000));
    QCOMPARE(verbose.viewer.exitCode(), 0);
    QVERIFY(verbose.ErrorLines().join(u'\n').contains(QStringLiteral("qt.webenginecontext")));
  }

  // SIGTERM runs the shut-down of a closed main window: nothing of the
  // working directory is left, nor its lock, and the status is 0; also when
  // it comes while the start-up shows a message box (here the notice that
  // the disc's Windows programs need wine).
  void sigterm_endsTheViewerAsClosingItDoes_data() {
    QTest::addColumn<bool>("duringNotice");
    QTest::newRow("started") << false;
    QTest::newRow("notice at start-up") << true;
  }

  void sigterm_endsTheViewerAsClosingItDoes() {
    QFETCH(bool, duringNotice);
    ViewerRun run;
    const QString notices = run.home.filePath(QStringLiteral(".local/state/velmora/notices.conf"));
    if (duringNotice) {
      for (const char* name : {"Anim/start.exe", "Anim/fin.exe"}) {
        QFile program(run.disc.filePath(QLatin1String(name)));
        QVERIFY(program.open(QIODevice::WriteOnly | QIODevice::Truncate));
        program.write(QByteArray("MZ\x90\0\3\0", 6));
      }
      QProcessEnvironment environment = run.viewer.processEnvironment();
      environment.insert(QStringLiteral("VELMORA_WINE"), run.disc.filePath(QStringLiteral("none")));
      run.viewer.setProcessEnvironment(environment);
    }
    run.viewer.start(QStringLiteral(VELMORA_VIEWER), {});
    QVERIFY(run.viewer.waitForStarted());
    const QString lock = run.OwnTemp() + QStringLiteral("/VNQETMP.lock");
    QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(lock),
                              qPrintable(QString::fromUtf8(run.viewer.readAllStandardError())),
                              60000);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(run.OwnTemp() + QStringLiteral("/VNQETMP/styledb.css")),
                             60000);
    // The notice is remembered right before its box shows.
    if (duringNotice) QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(notices), 60000);
    QVERIFY(::kill(static_cast<pid_t>(run.viewer.processId()), SIGTERM) == 0);
    QVERIFY(run.viewer.waitForFinished(60000));
    QCOMPARE(run.viewer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.viewer.exitCode(), 0);
    QVERIFY(!QFile::exists(lock));
    QVERIFY(!QDir(run.OwnTemp() + QStringLiteral("/VNQETMP")).exists());
    QCOMPARE(QFile::exists(notices), duringNotice);
  }
};

QTEST_GUILESS_MAIN(ViewerProcessTest)
#include "viewer_process_test.moc"
