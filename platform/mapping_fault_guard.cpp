#include "platform/mapping_fault_guard.h"

#if defined(__unix__) || defined(__APPLE__)
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <mutex>

namespace velmora::platform {
namespace {

// A place of the table the handler reads: begin is 0 when free, kClaimed
// while being filled or emptied (it then covers nothing). Lock-free atomics,
// as a signal handler may read them at any moment.
constexpr std::uintptr_t kClaimed = 1;
struct Place {
  std::atomic<std::uintptr_t> begin{0};
  std::atomic<std::uintptr_t> end{0};
};
static_assert(std::atomic<std::uintptr_t>::is_always_lock_free);

std::array<Place, kGuardedMappings> places;
struct sigaction previous {};
std::uintptr_t pageSize = 4096;
bool installed = false;

bool IsGuarded(std::uintptr_t address) {
  for (const Place& place : places) {
    const std::uintptr_t begin = place.begin.load(std::memory_order_acquire);
    if (begin <= kClaimed || address < begin) continue;
    if (address < place.end.load(std::memory_order_relaxed)) return true;
  }
  return false;
}

void PassOn(int signal, siginfo_t* info, void* context) {
  if (previous.sa_flags & SA_SIGINFO) {
    if (previous.sa_sigaction) previous.sa_sigaction(signal, info, context);
    return;
  }
  // One sent by another process to a program that ignores it stays ignored;
  // a fault must not come back for ever.
  if (previous.sa_handler == SIG_IGN && info->si_code <= 0) return;
  if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
    previous.sa_handler(signal);
    return;
  }
  // The default action, as if no handler had been there: delivered once
  // this handler returns.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  raise(signal);
}

void OnBusError(int signal, siginfo_t* info, void* context) {
  const int savedErrno = errno;
  const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
  if (info->si_code > 0 && IsGuarded(address)) {
    // The page past the file's end reads as zeros from now on; the faulting
    // read is tried again.
    void* const page = reinterpret_cast<void*>(address & ~(pageSize - 1));
    if (mmap(page, pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
        MAP_FAILED) {
      errno = savedErrno;
      return;
    }
  }
  PassOn(signal, info, context);
  errno = savedErrno;
}

bool Install() {
  static std::once_flag once;
  std::call_once(once, [] {
    const long size = sysconf(_SC_PAGESIZE);
    if (size > 0) pageSize = static_cast<std::uintptr_t>(size);
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESTART;
    sigemptyset(&action.sa_mask);
    installed = sigaction(SIGBUS, &action, &previous) == 0;
  });
  return installed;
}

}  // namespace

bool GuardMapping(const void* begin, std::size_t size) {
  if (begin == nullptr || size == 0 || !Install()) return false;
  const auto from = reinterpret_cast<std::uintptr_t>(begin);
  for (Place& place : places) {
    std::uintptr_t free = 0;
    if (!place.begin.compare_exchange_strong(free, kClaimed, std::memory_order_acq_rel)) continue;
    place.end.store(from + size, std::memory_order_relaxed);
    place.begin.store(from, std::memory_order_release);
    return true;
  }
  return false;
}

void UnguardMapping(const void* begin) {
  const auto from = reinterpret_cast<std::uintptr_t>(begin);
  for (Place& place : places) {
    std::uintptr_t mine = from;
    if (from <= kClaimed ||
        !place.begin.compare_exchange_strong(mine, kClaimed, std::memory_order_acq_rel)) {
      continue;
    }
    place.end.store(0, std::memory_order_relaxed);
    place.begin.store(0, std::memory_order_release);
    return;
  }
}

}  // namespace velmora::platform

#else

namespace velmora::platform {

bool GuardMapping(const void*, std::size_t) { return false; }
void UnguardMapping(const void*) {}

}  // namespace velmora::platform

#endif
