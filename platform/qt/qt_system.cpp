#include "platform/qt/qt_system.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "platform/codepage.h"
#include "platform/program_command.h"
#include "platform/qt/hand_off_gate.h"
#include "platform/qt/win1250_text.h"

namespace velmora::platform::qt {
namespace {

QStringList Arguments(const ProgramCommand& command) {
  QStringList arguments;
  for (const std::string& argument : command.arguments) {
    arguments << QString::fromStdString(argument);
  }
  return arguments;
}

std::optional<std::string> ReadValue(const QSettings& settings, const QString& name) {
  if (!settings.contains(name)) return std::nullopt;
  const QVariant value = settings.value(name);
  // QSettings splits an unquoted value at commas; a path may hold one.
  QString text =
      value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',') : value.toString();
#ifdef Q_OS_WIN
  text.replace(u'\\', u'/');
#endif
  return Utf8ToWin1250(text.toStdString());
}

}  // namespace

QtProcesses::~QtProcesses() {
  // Programs still running are left to run, as a closed handle would.
  for (auto& [handle, process] : running_) {
    if (process->state() != QProcess::NotRunning) process.release()->setParent(nullptr);
  }
}

std::optional<ProcessHandle> QtProcesses::Start(const std::string& path) {
  const std::optional<ProgramCommand> command = CommandFor(FromWin1250(path).toStdString());
  if (!command) return std::nullopt;
  auto process = std::make_unique<QProcess>();
  process->setProgram(QString::fromStdString(command->program));
  process->setArguments(Arguments(*command));
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->start();
  if (!process->waitForStarted()) return std::nullopt;
  const ProcessHandle handle = next_++;
  running_[handle] = std::move(process);
  return handle;
}

WaitResult QtProcesses::Wait(ProcessHandle handle, int timeoutMs) {
  auto found = running_.find(handle);
  if (found == running_.end()) return WaitResult::Failed;
  QProcess& process = *found->second;
  if (process.state() == QProcess::NotRunning) return WaitResult::Ended;
  // Waiting in the event loop rather than blocking in waitForFinished: the
  // browser engine runs on this thread too and is starting up meanwhile.
  // Input stays queued for the caller's own round of messages.
  QEventLoop loop;
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  return process.state() == QProcess::NotRunning ? WaitResult::Ended : WaitResult::TimedOut;
}

bool QtProcesses::NeedsWine(const std::string& path) {
  const std::string native = FromWin1250(path).toStdString();
  return IsWindowsProgram(native) && !FindWine();
}

void QtProcesses::Close(ProcessHandle handle) {
  auto found = running_.find(handle);
  if (found == running_.end()) return;
  // Closing a handle does not end the program: a QProcess would kill it when
  // destroyed, so a running one is kept until it ends.
  QProcess* process = found->second.release();
  running_.erase(found);
  if (process->state() == QProcess::NotRunning) {
    delete process;
  } else {
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  }
}

void QtShell::OpenAddress(const std::string& address) {
  if (!IsOutsideAddress(address)) return;
  const QUrl url(FromWin1250(address), QUrl::TolerantMode);
  const QString scheme = url.scheme();
  if (!url.isValid() || url.isLocalFile() ||
      (scheme != u"http" && scheme != u"https" && scheme != u"mailto")) {
    return;
  }
  HandOffIfAllowed(url);
}

void QtShell::StartProgram(const std::string& path) {
  const std::optional<ProgramCommand> command = CommandFor(FromWin1250(path).toStdString());
  if (!command) return;
  QProcess::startDetached(QString::fromStdString(command->program), Arguments(*command));
}

QString QtSettingsStore::Location() {
#ifdef Q_OS_WIN
  return QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Kestrava\\VNQE");
#else
  // The native format off Windows is this INI file with the ".conf" name
  // (IniFormat would name it ".ini").
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kestrava"),
                   QStringLiteral("VNQE"))
      .fileName();
#endif
}

std::optional<ContentKey> QtSettingsStore::OpenContentKey() {
  if (thisRun_) return thisRun_;
#ifdef Q_OS_WIN
  QSettings parent(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Kestrava"),
                   QSettings::NativeFormat);
  if (!parent.childGroups().contains(QStringLiteral("VNQE"), Qt::CaseInsensitive)) {
    return std::nullopt;
  }
  QSettings settings(Location(), QSettings::NativeFormat);
#else
  // Reading must never create the file, so look before opening.
  const QString file = Location();
  if (!QFileInfo(file).isFile()) return std::nullopt;
  QSettings settings(file, QSettings::IniFormat);
#endif
  if (settings.status() == QSettings::AccessError) return std::nullopt;
  ContentKey key;
  key.cdPath = ReadValue(settings, QStringLiteral("cdPath"));
  key.instPath = ReadValue(settings, QStringLiteral("instPath"));
  return key;
}

QString QtSettingsStore::NoticesLocation() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  // Relative values are to be ignored, as the base directory rules say.
  if (!QDir::isAbsolutePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/velmora/notices.conf");
}

bool QtSettingsStore::FirstNotice(const std::string& notice, const std::string& disc) {
  QSettings notices(NoticesLocation(), QSettings::IniFormat);
  const QString name = FromWin1250(notice);
  QStringList discs = notices.value(name).toStringList();
  const QString root = FromWin1250(disc);
  if (discs.contains(root)) return false;
  // A state that cannot be written gives the notice again next time, which
  // is better than never.
  discs << root;
  notices.setValue(name, discs);
  notices.sync();
  return true;
}

bool QtSettingsStore::Write(const QString& folder) {
  QString root = folder;
  if (!root.endsWith(u'/')) root += u'/';
  QSettings settings(Location(), QSettings::NativeFormat);
  settings.setValue(QStringLiteral("cdPath"), root);
  settings.setValue(QStringLiteral("instPath"), root);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

std::uint32_t QtClock::TickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace velmora::platform::qt
