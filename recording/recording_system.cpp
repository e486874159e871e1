#include "recording/recording_system.h"

#include <sstream>

#include "platform/codepage.h"
#include "platform/native_path.h"
#include "platform/program_command.h"

namespace velmora::recording {

std::optional<platform::ProcessHandle> RecordingProcesses::Start(const std::string& path) {
  const bool exists = files_.FileExists(path);
  trace_.Call("LaunchProgram", {{"path", path}, {"started", exists}});
  if (!exists) return std::nullopt;
  return next_++;
}

platform::WaitResult RecordingProcesses::Wait(platform::ProcessHandle, int) {
  return platform::WaitResult::Ended;
}

void RecordingProcesses::Close(platform::ProcessHandle) {}

bool RecordingProcesses::NeedsWine(const std::string& path) {
  // No command for an existing program: a Windows one, and no wine.
  const bool needs =
      files_.FileExists(path) && !platform::CommandFor(platform::native::ToNative(path).string());
  trace_.Call("NeedsWine", {{"path", path}, {"needsWine", needs}});
  return needs;
}

void RecordingShell::OpenAddress(const std::string& address) {
  trace_.Call("OpenAddress",
              {{"address", address}, {"opened", platform::IsOutsideAddress(address)}});
}

void RecordingShell::StartProgram(const std::string& path) {
  trace_.Call("StartProgram", {{"path", path}, {"started", files_.FileExists(path)}});
}

namespace {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// QSettings writes values with a backslash as "\\" and may quote them.
std::string UnquoteIniValue(std::string value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) ++i;
    out += value[i];
  }
  return out;
}

}  // namespace

platform::ContentKey ParseContentKeyIni(const std::string& iniText) {
  platform::ContentKey key;
  std::istringstream in(iniText);
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    if (section != "General") continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string name = Trim(line.substr(0, equals));
    const std::string value =
        platform::Utf8ToWin1250(UnquoteIniValue(Trim(line.substr(equals + 1))));
    if (name == "cdPath") key.cdPath = value;
    if (name == "instPath") key.instPath = value;
  }
  return key;
}

std::optional<platform::ContentKey> IniSettingsStore::OpenContentKey() {
  if (!iniText_) return std::nullopt;
  return ParseContentKeyIni(*iniText_);
}

bool IniSettingsStore::FirstNotice(const std::string& notice, const std::string& disc) {
  const bool first = given_.insert({notice, disc}).second;
  trace_.Call("FirstNotice", {{"notice", notice}, {"disc", disc}, {"first", first}});
  return first;
}

}  // namespace velmora::recording
