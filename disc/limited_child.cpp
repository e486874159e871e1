#include "disc/limited_child.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>

namespace velmora::disc {
namespace {

// The child's address space now, from /proc (0 when it cannot be read).
std::uint64_t AddressSpace() {
  std::ifstream statm("/proc/self/statm");
  std::uint64_t pages = 0;
  statm >> pages;
  return pages * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
}

void LimitMemory(std::uint64_t extra) {
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) != 0) return;
  rlim_t wanted = static_cast<rlim_t>(AddressSpace() + extra);
  if (limit.rlim_max != RLIM_INFINITY && wanted > limit.rlim_max) wanted = limit.rlim_max;
  limit.rlim_cur = wanted;
  ::setrlimit(RLIMIT_AS, &limit);
}

std::chrono::seconds WholeSeconds(std::chrono::milliseconds time) {
  return std::max(std::chrono::ceil<std::chrono::seconds>(time), std::chrono::seconds(1));
}

std::chrono::microseconds ProcessorTime(const rusage& usage) {
  const auto part = [](const timeval& t) {
    return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
  };
  return part(usage.ru_utime) + part(usage.ru_stime);
}

void LimitProcessorTime(std::chrono::milliseconds time) {
  const auto seconds = static_cast<rlim_t>(WholeSeconds(time).count());
  // SIGXCPU at the soft limit ends the child; the hard one is the backstop
  // should anything in it catch that signal.
  const rlimit limit{seconds, seconds + 1};
  ::setrlimit(RLIMIT_CPU, &limit);
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

[[noreturn]] void RunChild(int out,
                           const std::function<std::optional<std::string>(std::string&)>& work,
                           const ChildLimits& limits) {
  // A library giving up writes its own words; only the work's text is said.
  const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (quiet >= 0) ::dup2(quiet, STDERR_FILENO);
  LimitMemory(limits.extraMemory);
  LimitProcessorTime(limits.time);
  int status = 1;
  std::string text;
  try {
    std::string error;
    if (std::optional<std::string> result = work(error)) {
      text = std::move(*result);
      status = 0;
    } else {
      text = std::move(error);
    }
  } catch (const std::bad_alloc&) {
    ::_exit(1);  // without a word
  } catch (...) {
    text = "an unexpected error";
  }
  ::_exit(WriteAll(out, text) ? status : 1);
}

}  // namespace

ChildOutcome RunLimited(const std::function<std::optional<std::string>(std::string& error)>& work,
                        const ChildLimits& limits, const std::function<void()>& waiting) {
  ChildOutcome outcome;
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
    outcome.text = "cannot start reading";
    return outcome;
  }
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    outcome.text = "cannot start reading";
    return outcome;
  }
  if (child == 0) {
    ::close(pipeFds[0]);
    RunChild(pipeFds[1], work, limits);
  }
  ::close(pipeFds[1]);

  const auto deadline = std::chrono::steady_clock::now() + kStallFactor * limits.time;
  bool outOfTime = false;
  char buffer[4096];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      outOfTime = true;
      break;
    }
    pollfd fd{pipeFds[0], POLLIN, 0};
    constexpr std::chrono::milliseconds::rep kWaitingPace = 100;
    const int ready = ::poll(
        &fd, 1, static_cast<int>(waiting ? std::min(left.count(), kWaitingPace) : left.count()));
    if (waiting) waiting();
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) continue;  // the deadline is checked above
    const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;  // the child is done writing
    outcome.text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipeFds[0]);
  if (outOfTime) ::kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  // Ended by the kernel at its processor time (SIGXCPU, or SIGKILL at the
  // hard limit), not by memory.
  const bool outOfProcessorTime =
      WIFSIGNALED(status) &&
      (WTERMSIG(status) == SIGXCPU || (WTERMSIG(status) == SIGKILL && !outOfTime &&
                                       ProcessorTime(usage) >= WholeSeconds(limits.time)));
  if (outOfTime || outOfProcessorTime) {
    outcome.ending = ChildOutcome::Ending::kOutOfTime;
  } else if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
    outcome.ending = ChildOutcome::Ending::kDone;
  } else if (WIFSIGNALED(status) || outcome.text.empty()) {
    outcome.ending = ChildOutcome::Ending::kOutOfMemory;
  } else {
    outcome.ending = ChildOutcome::Ending::kFailed;
  }
  return outcome;
}

}  // namespace velmora::disc
