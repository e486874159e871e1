#pragma once
// Runs a piece of work in a child process under a memory and a time limit,
// for reading untrusted input with a library whose loops we cannot stop
// from outside (a disc image's directory read by libarchive): the kernel
// ends it, and the caller stays in control.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace velmora::disc {

struct ChildLimits {
  // Address space the child may take beyond what it holds when it starts.
  std::uint64_t extraMemory = 0;
  // Processor time, rounded up to whole seconds: a busy machine must not make
  // a sound image look hostile. A child that stalls without computing is
  // stopped after kStallFactor times as long on the clock.
  std::chrono::milliseconds time{0};
};

inline constexpr int kStallFactor = 4;

struct ChildOutcome {
  enum class Ending { kDone, kFailed, kOutOfTime, kOutOfMemory };
  Ending ending = Ending::kFailed;
  // What the work returned: its result when done, its message when failed.
  std::string text;
};

// The work returns its result, or nullopt with the message in `error`. It
// must not write to the caller's streams; only its text comes back. A child
// that ends by a signal or without a word (a library giving up when an
// allocation is refused past the limit) counts as out of memory.
// `waiting`, when given, is called in the caller a few times a second
// while the child works.
ChildOutcome RunLimited(const std::function<std::optional<std::string>(std::string& error)>& work,
                        const ChildLimits& limits, const std::function<void()>& waiting = nullptr);

}  // namespace velmora::disc
