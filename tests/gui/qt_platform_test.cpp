// The Qt platform services at the boundary: settings store, processes,
// clock, named controls and the address code-page conversion.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <ctime>

#include "viewer/address_codec.h"
#include "viewer/qt_system.h"
#include "viewer/qt_ui.h"

using namespace velmora::platform;
using namespace velmora::platform::qt;

namespace {

// The configuration directory has to be in place before QSettings first
// looks for it.
QTemporaryDir& ConfigHome() {
  static QTemporaryDir dir;
  return dir;
}

void WriteFile(const QString& path, const QByteArray& bytes, bool executable = false) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  file.close();
  if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

}  // namespace

class QtPlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void settingsStore_absentFile_isNoKey_andCreatesNothing() {
    QtSettingsStore store;
    QVERIFY(!store.OpenContentKey().has_value());
    QVERIFY(!QFile::exists(ConfigHome().path() + "/Kestrava/VNQE.conf"));
    QVERIFY(!QDir(ConfigHome().path() + "/Kestrava").exists());
    QCOMPARE(QtSettingsStore::Location(), ConfigHome().path() + "/Kestrava/VNQE.conf");
  }

  // A notice is given once per disc, also over later runs, and the state
  // lies apart from the key.
  void settingsStore_remembersNoticesPerDisc() {
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    const std::string disc = "/media/p\xB3yta/";
    QVERIFY(QtSettingsStore().FirstNotice("wine", disc));
    QVERIFY(!QtSettingsStore().FirstNotice("wine", disc));
    QVERIFY(QtSettingsStore().FirstNotice("wine", "/media/inna,p\xB3yta/"));
    QVERIFY(!QtSettingsStore().FirstNotice("wine", "/media/inna,p\xB3yta/"));
    QVERIFY(QtSettingsStore().FirstNotice("inna", disc));
    QVERIFY(!QtSettingsStore().FirstNotice("wine", disc));
    QCOMPARE(QtSettingsStore::NoticesLocation(), state.path() + "/velmora/notices.conf");
    QVERIFY(!QFile::exists(ConfigHome().path() + "/Kestrava/VNQE.conf"));
    qunsetenv("XDG_STATE_HOME");
  }

  void settingsStore_presentFile_givesValuesAsWin1250() {
    QVERIFY(QDir().mkpath(ConfigHome().path() + "/Kestrava"));
    WriteFile(ConfigHome().path() + "/Kestrava/VNQE.conf",
              "[General]\ncdPath=/mnt/p\xC5\x82yta/\ninstPath=/opt/a,b/\n");
    QtSettingsStore store;
    const auto key = store.OpenContentKey();
    QVERIFY(key.has_value());
    QCOMPARE(key->cdPath.value_or("absent"), std::string("/mnt/p\xB3yta/"));
    QCOMPARE(key->instPath.value_or("absent"), std::string("/opt/a,b/"));
  }

  void settingsStore_missingValue_readsAsAbsent() {
    WriteFile(ConfigHome().path() + "/Kestrava/VNQE.conf", "[General]\ncdPath=/media/cdrom/\n");
    QtSettingsStore store;
    const auto key = store.OpenContentKey();
    QVERIFY(key.has_value());
    QCOMPARE(key->cdPath.value_or("absent"), std::string("/media/cdrom/"));
    QVERIFY(!key->instPath.has_value());
  }

  void processes_startWaitAndClose() {
    QTemporaryDir dir;
    const QString quick = dir.path() + "/quick.exe";
    const QString slow = dir.path() + "/slow.exe";
    const QString marker = dir.path() + "/marker";
    WriteFile(quick, "#!/bin/sh\nexit 3\n", true);
    WriteFile(slow, "#!/bin/sh\nsleep 0.5\ntouch '" + marker.toUtf8() + "'\n", true);
    QtProcesses processes;

    const auto quickHandle = processes.Start(quick.toStdString());
    QVERIFY(quickHandle.has_value());
    QCOMPARE(processes.Wait(*quickHandle, 5000), WaitResult::Ended);
    processes.Close(*quickHandle);
    QCOMPARE(processes.Wait(*quickHandle, 10), WaitResult::Failed);

    const auto slowHandle = processes.Start(slow.toStdString());
    QVERIFY(slowHandle.has_value());
    QCOMPARE(processes.Wait(*slowHandle, 50), WaitResult::TimedOut);
    // Closing the handle leaves the program running to its end.
    processes.Close(*slowHandle);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
  }

  // The browser engine runs on the user-interface thread: waiting for a
  // program or pausing must keep its events flowing, without taking a core.
  void waits_keepTheEventLoopRunning_withoutSpinning() {
    QTemporaryDir dir;
    const QString slow = dir.path() + "/slow.exe";
    WriteFile(slow, "#!/bin/sh\nsleep 1\n", true);
    QtProcesses processes;
    const auto handle = processes.Start(slow.toStdString());
    QVERIFY(handle.has_value());

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(10);
    QCOMPARE(processes.Wait(*handle, 200), WaitResult::TimedOut);
    QVERIFY2(ticks >= 3, QByteArray::number(ticks));

    QtUi ui;
    ticks = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    const std::clock_t cpuBefore = std::clock();
    ui.WaitForMessages(200);
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    QVERIFY2(elapsed.elapsed() >= 190, QByteArray::number(elapsed.elapsed()));
    QVERIFY2(ticks >= 3, QByteArray::number(ticks));
    QVERIFY2(cpuMs < 100, QByteArray::number(cpuMs));
    processes.Close(*handle);
  }

  void processes_missingOrNotExecutable_giveNoHandle() {
    QTemporaryDir dir;
    const QString plain = dir.path() + "/plain.exe";
    WriteFile(plain, "#!/bin/sh\nexit 0\n");
    QtProcesses processes;
    QVERIFY(!processes.Start((dir.path() + "/missing.exe").toStdString()).has_value());
    QVERIFY(!processes.Start(plain.toStdString()).has_value());
    QCOMPARE(processes.Wait(12345, 10), WaitResult::Failed);
  }

  // A Windows program runs through the chosen wine and is waited for like
  // any other; without wine it cannot be started, at once. The shell's
  // program start goes the same way.
  void windowsProgram_runsThroughWine_orIsNotStarted() {
    QTemporaryDir dir;
    const QString program = dir.path() + "/start.exe";
    const QString record = dir.path() + "/wine-arguments";
    const QString done = dir.path() + "/wine-done";
    WriteFile(program, QByteArray("MZ\x90\0\3\0", 6));
    QVERIFY(QDir().mkpath(dir.path() + "/bin"));
    WriteFile(dir.path() + "/bin/wine",
              "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s|' \"$@\" >> '" + record.toUtf8() +
                  "'\necho >> '" + record.toUtf8() + "'\nsleep 0.5\ntouch '" + done.toUtf8() +
                  "'\n",
              true);
    qputenv("VELMORA_WINE", (dir.path() + "/bin/wine").toUtf8());

    QtProcesses processes;
    QVERIFY(!processes.NeedsWine(program.toStdString()));
    const auto handle = processes.Start(program.toStdString());
    QVERIFY(handle.has_value());
    QCOMPARE(processes.Wait(*handle, 50), WaitResult::TimedOut);
    QCOMPARE(processes.Wait(*handle, 5000), WaitResult::Ended);
    QVERIFY(QFile::exists(done));
    processes.Close(*handle);
    QFile recorded(record);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(recorded.readAll(), (program + "|\n").toUtf8());
    recorded.close();

    QtShell shell;
    shell.StartProgram(program.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(QFile(record).size() == 2 * (program.toUtf8().size() + 2), 5000);

    qputenv("VELMORA_WINE", (dir.path() + "/nowhere/wine").toUtf8());
    QVERIFY(processes.NeedsWine(program.toStdString()));
    QVERIFY(!processes.NeedsWine((dir.path() + "/bin/wine").toStdString()));
    QVERIFY(!processes.NeedsWine((dir.path() + "/missing.exe").toStdString()));
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!processes.Start(program.toStdString()).has_value());
    shell.StartProgram(program.toStdString());
    QVERIFY(elapsed.elapsed() < 1000);
    qunsetenv("VELMORA_WINE");
    QTest::qWait(700);
    QCOMPARE(QFile(record).size(), 2 * (program.toUtf8().size() + 2));
  }

  void clock_countsMilliseconds() {
    QtClock clock;
    const std::uint32_t start = clock.TickCount();
    QThread::msleep(60);
    const std::uint32_t elapsed = clock.TickCount() - start;
    QVERIFY2(elapsed >= 60 && elapsed < 1000, QByteArray::number(elapsed));
  }

  void ui_namedControls_convertTextAndIgnoreUnknownNames() {
    QtUi ui;
    QWidget window;
    auto* search = new QLineEdit(&window);
    ui.RegisterWindow("MainForm", &window);
    ui.RegisterControl("Szukaj", search);
    ui.SetText("Szukaj", "\xB3\xB9ka");  // "łąka" in Windows-1250
    QCOMPARE(search->text(), QString::fromUtf8("\xC5\x82\xC4\x85ka"));
    search->setText(
        QString::fromUtf8("\xC5\x9A"
                          "cie\xC5\xBCka"));  // "Ścieżka"
    QCOMPARE(ui.GetText("Szukaj"), std::string("\x8C"
                                               "cie\xBFka"));
    ui.SetEnabled("MainForm", false);
    QVERIFY(!window.isEnabled());
    ui.SetEnabled("MainForm", true);
    QVERIFY(window.isEnabled());
    ui.SetVisible("NoSuchPanel", true);
    QCOMPARE(ui.GetText("NoSuchPanel"), std::string());
  }

  void ui_hourglass_isSetAndRestored() {
    QtUi ui;
    QCOMPARE(ui.GetCursor(), Cursor::Default);
    ui.SetCursor(Cursor::Hourglass);
    ui.SetCursor(Cursor::Hourglass);
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.SetCursor(Cursor::Default);
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  void engineAddresses_decodeToWrittenText() {
    // Host-only address with a query, as the engine normalises it.
    QCOMPARE(ToCoreAddress(QUrl("http://db/?rp12")), std::string("http://db?rp12"));
    // A real path and a bare host without query stay as they are.
    QCOMPARE(ToCoreAddress(QUrl("http://example.com/a/b?x=1")),
             std::string("http://example.com/a/b?x=1"));
    QCOMPARE(ToCoreAddress(QUrl("http://example.com/")), std::string("http://example.com/"));
    // "łąka" percent-encoded in ISO-8859-2, Windows-1250 and UTF-8 pages.
    const std::string laka = "http://db?dic\xB3\xB9ka";
    QCOMPARE(ToCoreAddress(QUrl("http://db/?dic%B3%B1ka"), "ISO-8859-2"), laka);
    QCOMPARE(ToCoreAddress(QUrl("http://db/?dic%B3%B1ka")), laka);
    QCOMPARE(ToCoreAddress(QUrl("http://db/?dic%B3%B9ka"), "windows-1250"), laka);
    QCOMPARE(ToCoreAddress(QUrl("http://db/?dic%C5%82%C4%85ka"), "UTF-8"), laka);
    QCOMPARE(ToCoreAddress(QUrl("http://db/?dic%C5%82%C4%85ka"), "ISO-8859-2"), laka);
    // Local files: native paths, fragment and query kept, names from UTF-8.
    QCOMPARE(ToCoreAddress(QUrl("file:///cd/Data/799.htm#top")),
             std::string("/cd/Data/799.htm#top"));
    QCOMPARE(ToCoreAddress(QUrl("file:///cd/%C5%81%C4%85ka.htm?ss1")),
             std::string("/cd/\xA3\xB9ka.htm?ss1"));
  }

  void coreAddresses_becomeEngineUrls() {
    const QUrl file = ToEngineUrl("/tmp/$$RP_12.html#mapa");
    QVERIFY(file.isLocalFile());
    QCOMPARE(file.toLocalFile(), QStringLiteral("/tmp/$$RP_12.html"));
    QCOMPARE(file.fragment(), QStringLiteral("mapa"));
    const QUrl polishFile = ToEngineUrl("/cd/\xA3\xB9ka.htm");
    QCOMPARE(polishFile.toLocalFile(), QString::fromUtf8("/cd/\xC5\x81\xC4\x85ka.htm"));
    // Round trip of a private link with a Polish key.
    QCOMPARE(ToCoreAddress(ToEngineUrl("http://db?dic\xB3\xB9ka")),
             std::string("http://db?dic\xB3\xB9ka"));
    // The engine's form of an address we started is recognised.
    QCOMPARE(NavigationKey(ToEngineUrl("http://db?rp12")), NavigationKey(QUrl("http://db/?rp12")));
  }
};

int main(int argc, char** argv) {
  qputenv("XDG_CONFIG_HOME", ConfigHome().path().toUtf8());
  QApplication app(argc, argv);
  QtPlatformTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_platform_test.moc"
