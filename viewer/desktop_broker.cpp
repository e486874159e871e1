#include "viewer/desktop_broker.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <vector>

#include "platform/system.h"

#ifdef __linux__
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace velmora::platform::qt {

const char* DesktopOpenerFor(const std::string& url) {
  constexpr std::string_view kMail = "mailto:";
  const bool mail = url.size() >= kMail.size() &&
                    std::equal(kMail.begin(), kMail.end(), url.begin(), [](char want, char got) {
                      return want == std::tolower(static_cast<unsigned char>(got));
                    });
  return mail ? "xdg-email" : "xdg-open";
}

bool NothingOpened(int exitStatus) {
  return exitStatus == 127 || exitStatus == 3 || exitStatus == 4;
}

bool HandOffRate::Allow(long long nowMs) {
  if (lastMs_ >= 0 && nowMs > lastMs_) {
    tokens_ = std::min(kBurst, tokens_ + static_cast<double>(nowMs - lastMs_) * kPerMs);
  }
  lastMs_ = std::max(lastMs_, nowMs);
  if (tokens_ < 1) return false;
  tokens_ -= 1;
  return true;
}

#ifdef __linux__
namespace {

// The viewer's end of the socket; -1 without a broker.
int brokerSocket = -1;

constexpr std::size_t kMaxAddress = 8192;

long long NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// PATH without its relative entries: a program is never found in whatever
// directory the viewer was started from.
void KeepAbsolutePath() {
  const char* path = std::getenv("PATH");
  std::string kept;
  std::string_view rest = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    const std::size_t colon = rest.find(':');
    const std::string_view entry = rest.substr(0, colon);
    if (!entry.empty() && entry.front() == '/') {
      if (!kept.empty()) kept += ':';
      kept += entry;
    }
    if (colon == std::string_view::npos) break;
    rest.remove_prefix(colon + 1);
  }
  setenv("PATH", kept.c_str(), 1);
}

// A helper process starts the opener and waits for it, so that the broker
// goes on serving meanwhile (an opener may stay until the browser ends), and
// tells the viewer when nothing took the address.
void Launch(int socket, const std::string& url) {
  const pid_t helper = fork();
  if (helper != 0) return;  // reaped by the ignored SIGCHLD
  signal(SIGCHLD, SIG_DFL);
  const char* opener = DesktopOpenerFor(url);
  const pid_t child = fork();
  if (child == 0) {
    close(socket);
    execlp(opener, opener, url.c_str(), static_cast<char*>(nullptr));
    std::fprintf(stderr, "velmora: cannot start %s\n", opener);
    _exit(127);
  }
  int status = 0;
  if (child > 0) {
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }
  if (child < 0 || (WIFEXITED(status) && NothingOpened(WEXITSTATUS(status)))) {
    send(socket, url.data(), url.size(), MSG_NOSIGNAL);
  }
  _exit(0);
}

// The broker keeps none of the handlers its parent may have set.
void DefaultSignals() {
  for (int number = 1; number < NSIG; ++number) {
    if (number != SIGKILL && number != SIGSTOP) signal(number, SIG_DFL);
  }
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
}

[[noreturn]] void Serve(int socket) {
  DefaultSignals();
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  signal(SIGCHLD, SIG_IGN);
  KeepAbsolutePath();
  HandOffRate rate;
  std::vector<char> buffer(kMaxAddress + 1);
  while (true) {
    const ssize_t got = recv(socket, buffer.data(), buffer.size(), 0);
    if (got == 0) _exit(0);  // the viewer has ended
    if (got < 0) {
      if (errno == EINTR) continue;
      _exit(0);
    }
    const std::string url(buffer.data(), static_cast<std::size_t>(got));
    if (static_cast<std::size_t>(got) > kMaxAddress || !IsOutsideAddress(url)) {
      std::fprintf(stderr, "velmora: refused hand-off - not an outside address\n");
    } else if (!rate.Allow(NowMs())) {
      std::fprintf(stderr, "velmora: refused hand-off %s - too many in a short time\n",
                   url.c_str());
    } else {
      Launch(socket, url);
    }
  }
}

}  // namespace

bool DesktopBroker::Start() {
  if (brokerSocket >= 0) return true;
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) return false;
  const pid_t broker = fork();
  if (broker < 0) {
    close(ends[0]);
    close(ends[1]);
    return false;
  }
  if (broker == 0) {
    close(ends[0]);
    Serve(ends[1]);
  }
  close(ends[1]);
  brokerSocket = ends[0];
  return true;
}

bool DesktopBroker::Open(const std::string& url) {
  if (brokerSocket < 0) return false;
  return send(brokerSocket, url.data(), url.size(), MSG_NOSIGNAL) ==
         static_cast<ssize_t>(url.size());
}

int DesktopBroker::AnswerSocket() { return brokerSocket; }

std::vector<std::string> DesktopBroker::TakeUnopened() {
  std::vector<std::string> unopened;
  if (brokerSocket < 0) return unopened;
  std::vector<char> buffer(kMaxAddress + 1);
  while (true) {
    const ssize_t got = recv(brokerSocket, buffer.data(), buffer.size(), MSG_DONTWAIT);
    if (got > 0) {
      unopened.emplace_back(buffer.data(), static_cast<std::size_t>(got));
    } else {
      if (got == 0) unopened.emplace_back();
      if (got < 0 && errno == EINTR) continue;
      return unopened;
    }
  }
}

#else

bool DesktopBroker::Start() { return false; }
bool DesktopBroker::Open(const std::string&) { return false; }
int DesktopBroker::AnswerSocket() { return -1; }
std::vector<std::string> DesktopBroker::TakeUnopened() { return {}; }

#endif

}  // namespace velmora::platform::qt
