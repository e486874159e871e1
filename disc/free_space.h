#pragma once
// Room on the disk for what unpacking or installing writes, and what to say when
// a write fails for the lack of it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace velmora::disc {

// Bytes an unprivileged user may still write on the filesystem holding
// path, or the nearest existing directory above it; nullopt when unknown.
std::optional<std::uint64_t> FreeBytes(const std::filesystem::path& path);

// Whether two paths (or the nearest existing directories above them) lie on
// one filesystem.
bool SameFilesystem(const std::filesystem::path& a, const std::filesystem::path& b);

// "not enough free space in DIR: N MiB needed, M MiB free", or nullopt when
// needed bytes fit (or the free space cannot be learnt).
std::optional<std::string> ShortOfSpace(const std::filesystem::path& where, std::uint64_t needed);

// The reason a read or write failed with errno: a full disk or quota said as
// such, anything else by the system's text.
std::string WriteFailure(int error);

// Whether errno says the disk or the quota is full.
bool IsFull(int error);

// Bytes as whole MiB, rounded up.
std::string MiB(std::uint64_t bytes);

}  // namespace velmora::disc
