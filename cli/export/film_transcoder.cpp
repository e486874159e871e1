#include "cli/export/film_transcoder.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

extern char** environ;

namespace velmora::cli::exporting {

namespace fs = std::filesystem;

namespace {

constexpr const char* kIn = "in.avi";
constexpr const char* kOut = "out.webm";

std::string Head(const fs::path& file, std::size_t bytes) {
  std::ifstream in(file, std::ios::binary);
  std::string head(bytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(bytes));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return head;
}

bool IsWebm(const fs::path& file) { return Head(file, 4) == "\x1A\x45\xDF\xA3"; }

// Ends the child's whole group (gst-launch may start helpers).
void KillGroup(pid_t child) {
  ::kill(-child, SIGKILL);
  ::kill(child, SIGKILL);
}

}  // namespace

bool AviHasSound(const std::string& header) {
  // Each stream's header: "strh", its size (4 bytes), its type.
  for (std::size_t at = header.find("strh"); at != std::string::npos;
       at = header.find("strh", at + 4)) {
    if (header.compare(at + 8, 4, "auds") == 0) return true;
  }
  return false;
}

std::vector<std::string> TranscodeArguments(const std::string& in, const std::string& out,
                                            bool withSound) {
  std::vector<std::string> arguments = {"-q",
                                        "filesrc",
                                        "location=" + in,
                                        "!",
                                        "decodebin",
                                        "name=d",
                                        "d.",
                                        "!",
                                        "queue",
                                        "!",
                                        "videoconvert",
                                        "!",
                                        "vp8enc",
                                        "deadline=1",
                                        "target-bitrate=800000",
                                        "!",
                                        "queue",
                                        "!",
                                        "webmmux",
                                        "name=m",
                                        "!",
                                        "filesink",
                                        "location=" + out};
  if (withSound) {
    for (const char* word : {"d.", "!", "queue", "!", "audioconvert", "!", "audioresample", "!",
                             "vorbisenc", "!", "queue", "!", "m."}) {
      arguments.emplace_back(word);
    }
  }
  return arguments;
}

FilmTranscoder::FilmTranscoder(fs::path workDir, std::string program,
                               std::chrono::milliseconds baseLimit)
    : dir_(std::move(workDir)), program_(std::move(program)), baseLimit_(baseLimit) {}

FilmTranscoder::~FilmTranscoder() {
  std::error_code ec;
  for (const fs::path& file : made_) fs::remove(file, ec);
  fs::remove(dir_ / kIn, ec);
  fs::remove(dir_ / kOut, ec);
}

std::optional<fs::path> FilmTranscoder::Transcode(const fs::path& avi, const std::string& name,
                                                  std::string& error) {
  std::error_code ec;
  fs::create_directories(dir_, ec);
  const std::uintmax_t size = fs::file_size(avi, ec);
  if (ec) {
    error = "nie można odczytać filmu";
    return std::nullopt;
  }
  // The child sees only plain names in its own folder: a path of the disc
  // never reaches gst-launch's pipeline syntax.
  fs::remove(dir_ / kIn, ec);
  fs::create_symlink(fs::absolute(avi, ec), dir_ / kIn, ec);
  if (ec) {
    error = "nie można przygotować filmu";
    return std::nullopt;
  }
  // A minute, and ten seconds more for each megabyte.
  const std::chrono::milliseconds limit =
      baseLimit_ + std::chrono::milliseconds(size / (1024 * 1024) * 10000);
  const bool sound = AviHasSound(Head(avi, 64 * 1024));
  Ending ending = Run(TranscodeArguments(kIn, kOut, sound), limit);
  if (ending == Ending::kFailed && sound) {
    // A sound GStreamer cannot decode: the picture alone.
    ending = Run(TranscodeArguments(kIn, kOut, false), limit);
  }
  fs::remove(dir_ / kIn, ec);
  const fs::path made = dir_ / (name + ".webm");
  if (ending == Ending::kDone && IsWebm(dir_ / kOut)) {
    fs::rename(dir_ / kOut, made, ec);
    if (!ec) {
      made_.push_back(made);
      return made;
    }
  }
  fs::remove(dir_ / kOut, ec);
  error = ending == Ending::kOutOfTime ? "przekodowanie trwało zbyt długo"
                                       : "przekodowanie się nie udało";
  return std::nullopt;
}

FilmTranscoder::Ending FilmTranscoder::Run(const std::vector<std::string>& arguments,
                                           std::chrono::milliseconds limit) {
  std::error_code ec;
  fs::remove(dir_ / kOut, ec);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program_.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_addchdir_np(&actions, dir_.c_str());
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null",
                                     fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
  }
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  pid_t child = -1;
  const int started =
      posix_spawnp(&child, program_.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (started != 0) return Ending::kFailed;

  // Waited for through a descriptor of the child, so the limit needs no
  // signal handler and no polling.
  const int pidFd = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
  const auto deadline = std::chrono::steady_clock::now() + limit;
  bool outOfTime = false;
  for (;;) {
    // Seen ended but not yet reaped, so that its number (its group's too)
    // cannot have gone to another process when helpers it left are ended.
    siginfo_t info{};
    const int seen = ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT);
    if (seen == 0 && info.si_pid == child) {
      if (pidFd >= 0) ::close(pidFd);
      ::kill(-child, SIGKILL);
      int status = 0;
      while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
      }
      return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Ending::kDone : Ending::kFailed;
    }
    if (seen < 0 && errno != EINTR) break;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      outOfTime = true;
      break;
    }
    if (pidFd >= 0) {
      pollfd fd{pidFd, POLLIN, 0};
      ::poll(&fd, 1, static_cast<int>(left.count()));
    } else {
      const timespec pause{0, 50 * 1000 * 1000};
      ::nanosleep(&pause, nullptr);
    }
  }
  if (pidFd >= 0) ::close(pidFd);
  KillGroup(child);
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  return outOfTime ? Ending::kOutOfTime : Ending::kFailed;
}

}  // namespace velmora::cli::exporting
