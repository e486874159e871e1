// The broker that hands outside addresses to the desktop from outside the
// viewer's network namespace: what it starts, for which addresses, how often.

#include "viewer/desktop_broker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <functional>
#include <thread>

using velmora::platform::qt::DesktopBroker;
using velmora::platform::qt::HandOffRate;

namespace {

// A stand-in for the desktop's opener that notes how it was called.
void WriteOpener(const QString& path, const QString& log, const QString& who) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QStringLiteral("#!/bin/sh\necho \"%1 $*\" >> '%2'\n").arg(who, log).toUtf8());
  file.close();
  QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

QStringList Lines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// Without an application object there is no event loop to spin: the
// broker is another process, so plain polling is enough.
bool WaitFor(const std::function<bool()>& done) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace

class DesktopBrokerTest : public QObject {
  Q_OBJECT

 private slots:
  // One broker per process, so one test drives it through every case.
  void handsOnOnlyOutsideAddressesToTheRightOpener() {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("opened.log"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("bin")));
    const QString bin = dir.filePath(QStringLiteral("bin"));
    WriteOpener(bin + QStringLiteral("/xdg-open"), log, QStringLiteral("open"));
    WriteOpener(bin + QStringLiteral("/xdg-email"), log, QStringLiteral("email"));
    // An opener of the current directory is never the one started.
    WriteOpener(dir.filePath(QStringLiteral("xdg-open")), log, QStringLiteral("planted"));
    QVERIFY(QDir::setCurrent(dir.path()));
    qputenv("PATH", (QStringLiteral(".::") + bin + QStringLiteral(":/usr/bin:/bin")).toUtf8());

    QVERIFY(DesktopBroker::Start());
    QVERIFY(DesktopBroker::Open("file:///etc/passwd"));
    QVERIFY(DesktopBroker::Open("/etc/passwd#http://x"));
    QVERIFY(DesktopBroker::Open("http://example.org/strona"));
    QVERIFY(DesktopBroker::Open("mailto:autor@example.org"));

    // The broker takes the addresses in order: once the last is opened, the
    // refused ones have had their turn.
    QVERIFY(WaitFor([&] { return Lines(log).size() >= 2; }));
    QStringList lines = Lines(log);
    lines.sort();
    QCOMPARE(lines, (QStringList{QStringLiteral("email mailto:autor@example.org"),
                                 QStringLiteral("open http://example.org/strona")}));
  }

  void letsAFewGoAtOnceThenOneASecond() {
    HandOffRate rate;
    int allowed = 0;
    for (int i = 0; i < 30; ++i) allowed += rate.Allow(1000 + i) ? 1 : 0;
    QCOMPARE(allowed, 3);
    QVERIFY(!rate.Allow(1500));
    QVERIFY(rate.Allow(2100));
    QVERIFY(!rate.Allow(2200));
    // A clock that goes back gives nothing extra.
    QVERIFY(!rate.Allow(100));
    QVERIFY(rate.Allow(60000));
    QVERIFY(rate.Allow(60000));
    QVERIFY(rate.Allow(60000));
    QVERIFY(!rate.Allow(60000));
  }
};

QTEST_APPLESS_MAIN(DesktopBrokerTest)
#include "desktop_broker_test.moc"
