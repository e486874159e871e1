#pragma once
// Outside addresses reach the desktop's browser and mail program through a
// small process started before the viewer leaves the network: programs the
// desktop starts for them must run where the network is.

#include <string>
#include <vector>

namespace velmora::platform::qt {

class DesktopBroker {
 public:
  // Forks the broker process. Call while the process has a single thread,
  // before LeaveNetwork. False when it could not be started; Open then
  // reports false and the caller hands addresses on itself.
  static bool Start();
  // Asks the broker to open an absolute http:, https: or mailto: URL (ASCII,
  // percent-encoded). The broker checks the address again and limits how
  // many it opens in a short time. False when there is no broker.
  static bool Open(const std::string& url);
  // The broker answers with each address that nothing took: no opener, or
  // one that found no program for it. The socket those answers arrive on
  // (to watch for reading), -1 without a broker.
  static int AnswerSocket();
  // The answers waiting, without blocking; an empty address for a broker
  // that has ended (no more answers will come).
  static std::vector<std::string> TakeUnopened();
};

// Whether an opener's exit status says that nothing took the address:
// 127 (it could not be started), 3 (xdg-open or xdg-email found no program
// for it) or 4 (the desktop's own opener failed).
bool NothingOpened(int exitStatus);

// What the broker runs for a URL: xdg-email for mailto:, xdg-open otherwise.
const char* DesktopOpenerFor(const std::string& url);

// The broker's own limit on hand-offs: a few at once, then one a second.
class HandOffRate {
 public:
  // Whether a hand-off at this time (milliseconds of a monotonic clock) may go.
  bool Allow(long long nowMs);

 private:
  static constexpr double kBurst = 3;
  static constexpr double kPerMs = 1.0 / 1000;
  double tokens_ = kBurst;
  long long lastMs_ = -1;
};

}  // namespace velmora::platform::qt
