// An outside address that nothing on the desktop takes (no opener, or one
// that finds no browser or mail program) is not lost in silence: after the
// click the user reads why, in a message box.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "dialog_answerer.h"
#include "viewer/desktop_broker.h"
#include "viewer/qt_platform.h"

using namespace velmora::platform::qt;

namespace {

// The desktop's programs as the test sets them up: xdg-open takes only
// addresses of ok.example.org (and notes them); there is no xdg-email.
QTemporaryDir& Programs() {
  static QTemporaryDir dir;
  return dir;
}

QString OpenedLog() { return Programs().filePath(QStringLiteral("opened.log")); }

void WriteOpener() {
  QFile file(Programs().filePath(QStringLiteral("xdg-open")));
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write the opener");
  file.write(QStringLiteral("#!/bin/sh\n"
                            "case \"$1\" in *ok.example.org*) echo \"$1\" >> '%1'; exit 0;; esac\n"
                            "echo 'xdg-open: no method available' >&2\nexit 3\n")
                 .arg(OpenedLog())
                 .toUtf8());
  file.close();
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

class UnopenedAddressTest : public QObject {
  Q_OBJECT

 private slots:
  void addressNothingTakes_isToldInPolish() {
    QtPlatform qt;
    DialogAnswerer answerer;
    qt.shell.OpenAddress("http://ok.example.org/");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(OpenedLog()), 10000);
    qt.shell.OpenAddress("http://example.org/strona");
    qt.shell.OpenAddress("mailto:autor@example.org");

    QTRY_COMPARE_WITH_TIMEOUT(answerer.messages.size(), 2, 10000);
    QStringList messages = answerer.messages;
    messages.replaceInStrings(QStringLiteral("\r"), QString());
    messages.sort();
    QCOMPARE(messages, (QStringList{QString::fromUtf8("Nie znaleziono programu pocztowego, "
                                                      "kt\xC3\xB3ry przyj\xC4\x85\xC5\x82"
                                                      "by adres:\nmailto:autor@example.org"),
                                    QString::fromUtf8("Nie znaleziono przegl\xC4\x85"
                                                      "darki internetowej, kt\xC3\xB3ra "
                                                      "otworzy\xC5\x82"
                                                      "aby adres:\nhttp://example.org/strona")}));
  }
};

int main(int argc, char** argv) {
  WriteOpener();
  qputenv("PATH", Programs().path().toUtf8());
  // While the process has one thread, as the viewer does.
  if (!DesktopBroker::Start()) qFatal("no broker");
  QApplication app(argc, argv);
  UnopenedAddressTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "unopened_address_test.moc"
