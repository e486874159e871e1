#include "app/working_directory.h"

#include <cstring>

#include "app/support_files.h"
#include "navigation/page_index.h"

namespace velmora::app {

namespace {

// The order in which shut-down removes them from a shared directory.
constexpr const char* kSupportNamesForCleanup[] = {
    "f.jpg",       "bgr.jpg",    "pk.jpg",   "pn.jpg",         "arrow.gif",
    "styledb.css", "wstecz.gif", "lock.vnq", "econet_fr.html", "blankb.htm",
};

// Deletes the plain files the listing found; a link is removed neither
// itself nor through.
void DeletePlainFiles(platform::FileSystem& files, const std::string& dir,
                      const std::string& pattern) {
  for (const platform::DirEntry& entry : files.List(dir + pattern)) {
    if (entry.name == "." || entry.name == ".." || !entry.isRegularFile) continue;
    files.ClearAttributes(dir + entry.name);  // read-only copies from the disc
    files.DeleteFile(dir + entry.name);
  }
}

// What the program puts into the working directory, the directory itself
// left in place.
void DeleteProgramFiles(platform::FileSystem& files, const std::string& workDir,
                        bool workDirCreated) {
  if (workDirCreated) {
    // "*": every name, with or without an extension.
    DeletePlainFiles(files, workDir, "*");
    return;
  }
  DeletePlainFiles(files, workDir, "$$*.html");
  // The search's page signatures, kept on file between searches.
  DeletePlainFiles(files, workDir, navigation::kSignatureFilePattern);
  for (const char* name : kSupportNamesForCleanup) DeletePlainFiles(files, workDir, name);
}

}  // namespace

std::string WorkDirLockFile(const std::string& workDir, bool workDirCreated) {
  const std::size_t nameLength = std::strlen(kWorkDirName);
  std::string base = workDir;
  if (workDirCreated && base.size() >= nameLength) base.resize(base.size() - nameLength);
  return base + "VNQETMP.lock";
}

bool PrepareWorkingDirectory(platform::FileSystem& files, tables::ContentPaths& paths) {
  const std::string temp = files.TempPath();
  const std::string base = temp.size() >= 2 ? temp : kFallbackTempRoot;
  // Taken before anything is created, so that a viewer shutting down at
  // this moment cannot remove what we are about to copy.
  files.LockShared(WorkDirLockFile(base, false));

  const std::string own = base + kWorkDirName;
  const bool created = files.CreateDirectories(own) && files.IsOwnDirectory(own);
  paths.workDir = created ? own : base;
  files.SetReadableRoots({paths.contentRoot, paths.installRoot, paths.workDir});

  // A viewer that was killed left its files behind: when no other viewer
  // runs, they go as its shut-down would have taken them.
  const std::string lockFile = WorkDirLockFile(paths.workDir, created);
  if (files.TryLockExclusive(lockFile)) {
    DeleteProgramFiles(files, paths.workDir, created);
    files.LockShared(lockFile);
  }

  for (const SupportFile& file : kSupportFiles) {
    const std::string& dir = file.fromTemplates ? paths.templateDir : paths.dataDir;
    // A missing source is no error.
    files.CopyFile(dir + std::string(file.source), paths.workDir + std::string(file.name));
  }
  return created;
}

void CleanWorkingDirectory(platform::FileSystem& files, const std::string& workDir,
                           bool workDirCreated) {
  if (workDir.empty()) return;  // never prepared
  const std::string lockFile = WorkDirLockFile(workDir, workDirCreated);
  if (!files.TryLockExclusive(lockFile)) {
    // Another viewer still shows these pages; this one has done with them.
    files.Unlock(lockFile);
    return;
  }

  DeleteProgramFiles(files, workDir, workDirCreated);
  // Stays when something is left inside.
  if (workDirCreated) files.RemoveDirectory(workDir);
  // The last viewer out leaves no lock file behind.
  files.UnlockAndRemove(lockFile);
}

}  // namespace velmora::app
