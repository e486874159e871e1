#pragma once
// Mapped files that shrink on disk: a read past the file's new end would end
// the program with a bus error. A guarded mapping's page that faults so is
// replaced by a page of zeros instead, and the read goes on. Faults anywhere
// else reach whatever handled them before.

#include <cstddef>

namespace velmora::platform {

// How many mappings may be guarded at once.
constexpr std::size_t kGuardedMappings = 4096;

// Guards the mapping (installing the handler on first use); false when it
// cannot be (every place taken, no handler): the caller should not map then.
bool GuardMapping(const void* begin, std::size_t size);
// Before the mapping goes: its faults are no longer ours to mend.
void UnguardMapping(const void* begin);

}  // namespace velmora::platform
