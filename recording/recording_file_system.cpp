#include "recording/recording_file_system.h"

namespace velmora::recording {

bool RecordingFileSystem::CopyFile(const std::string& from, const std::string& to) {
  const bool ok = native_.CopyFile(from, to);
  trace_.Call("CopyFile", {{"from", from}, {"to", to}, {"ok", ok}});
  return ok;
}

bool RecordingFileSystem::DeleteFile(const std::string& path) {
  const bool ok = native_.DeleteFile(path);
  trace_.Call("DeleteFile", {{"path", path}, {"ok", ok}});
  return ok;
}

bool RecordingFileSystem::ClearAttributes(const std::string& path) {
  const bool ok = native_.ClearAttributes(path);
  trace_.Call("ClearAttributes", {{"path", path}, {"ok", ok}});
  return ok;
}

bool RecordingFileSystem::CreateDirectories(const std::string& path) {
  const bool ok = native_.CreateDirectories(path);
  trace_.Call("CreateDirectory", {{"path", path}, {"ok", ok}});
  return ok;
}

bool RecordingFileSystem::RemoveDirectory(const std::string& path) {
  const bool ok = native_.RemoveDirectory(path);
  trace_.Call("RemoveDirectory", {{"path", path}, {"ok", ok}});
  return ok;
}

bool RecordingFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  const bool ok = native_.WriteFile(path, bytes);
  trace_.Call("WriteFile",
              {{"path", path}, {"bytes", static_cast<long long>(bytes.size())}, {"ok", ok}});
  return ok;
}

}  // namespace velmora::recording
