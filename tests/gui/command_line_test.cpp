// The viewer's command line: a disc, --help and --version, the toolkit's
// own options passed on, and wrong usage refused with status 2.

#include "viewer/command_line.h"

#include <QProcess>
#include <QTest>

using velmora::platform::qt::CommandLine;
using velmora::platform::qt::ParseCommandLine;
using Action = CommandLine::Action;

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void parsing_data();
  void parsing();
  void viewer_answersHelpVersionAndWrongUsage();
};

void CommandLineTest::parsing_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("action");
  QTest::addColumn<QString>("disc");
  QTest::addColumn<QStringList>("toolkit");
  auto row = [](const char* name, QStringList arguments, Action action, QString disc = {},
                QStringList toolkit = {}) {
    QTest::newRow(name) << arguments << static_cast<int>(action) << disc << toolkit;
  };
  row("nothing", {}, Action::kRun);
  row("image", {"/home/jan/Velmora płyta.iso"}, Action::kRun, "/home/jan/Velmora płyta.iso");
  row("verbose and folder", {"--verbose", "plyta"}, Action::kRun, "plyta");
  row("help wins", {"plyta", "--help", "--bogus"}, Action::kHelp);
  row("short version", {"-V"}, Action::kVersion);
  row("unknown option", {"--bogus"}, Action::kWrongUsage);
  row("two discs", {"a.iso", "b.iso"}, Action::kWrongUsage);
  row("empty disc", {""}, Action::kWrongUsage);
  row("a dash name after --", {"--", "-plyta.iso"}, Action::kRun, "-plyta.iso");
  row("toolkit options", {"-platform", "offscreen", "--style=Fusion", "-reverse", "plyta"},
      Action::kRun, "plyta", {"-platform", "offscreen", "--style=Fusion", "-reverse"});
  row("toolkit option without value", {"-platform"}, Action::kWrongUsage);
}

void CommandLineTest::parsing() {
  QFETCH(QStringList, arguments);
  QFETCH(int, action);
  QFETCH(QString, disc);
  QFETCH(QStringList, toolkit);
  std::vector<std::string> given;
  for (const QString& argument : arguments) given.push_back(argument.toStdString());
  const CommandLine line = ParseCommandLine(given);
  QCOMPARE(static_cast<int>(line.action), action);
  if (action == static_cast<int>(Action::kWrongUsage)) QVERIFY(!line.error.empty());
  if (action != static_cast<int>(Action::kRun)) return;
  QCOMPARE(QString::fromStdString(line.disc.value_or("")), disc);
  QStringList passed;
  for (const std::string& option : line.toolkit) passed << QString::fromStdString(option);
  QCOMPARE(passed, toolkit);
}

void CommandLineTest::viewer_answersHelpVersionAndWrongUsage() {
  // No display is needed for any of these.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  auto run = [&environment](const QStringList& arguments) {
    QProcess viewer;
    viewer.setProcessEnvironment(environment);
    viewer.start(QStringLiteral(VELMORA_VIEWER), arguments);
    viewer.waitForFinished(60000);
    return std::tuple(viewer.exitCode(), QString::fromUtf8(viewer.readAllStandardOutput()),
                      QString::fromUtf8(viewer.readAllStandardError()));
  };
  const auto [helpStatus, help, helpErrors] = run({QStringLiteral("--help")});
  QCOMPARE(helpStatus, 0);
  QVERIFY(help.startsWith(QStringLiteral("Użycie: velmora [OPCJE] [PŁYTA]")));
  QVERIFY(help.contains(QStringLiteral("obrazu płyty")));
  const auto [versionStatus, version, versionErrors] = run({QStringLiteral("--version")});
  QCOMPARE(versionStatus, 0);
  QCOMPARE(version, QStringLiteral("velmora " VELMORA_VERSION "\n"));
  const auto [wrongStatus, wrongOut, wrong] = run({QStringLiteral("--bogus")});
  QCOMPARE(wrongStatus, 2);
  QVERIFY(wrongOut.isEmpty());
  QVERIFY(wrong.startsWith(QStringLiteral("velmora: nieznana opcja: --bogus\nUżycie:")));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
