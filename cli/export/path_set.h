#pragma once
// The export paths wanted so far, each held once: what makes every path
// written exactly once (a second entry of a path breaks an archive). A
// large disc wants a few hundred thousand paths of about 20 bytes; a set
// of strings spent about 110 bytes on each, this about 55: the paths' bytes
// one after the other in large blocks and an open-addressing table of
// where each lies.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace velmora::cli::exporting {

class PathSet {
 public:
  // True when the path was not in the set before (it is now).
  bool Insert(std::string_view path);
  bool Contains(std::string_view path) const;
  std::size_t size() const { return count_; }
  // Lets go of everything, memory included.
  void Release();

 private:
  struct Slot {
    std::uint32_t block = 0;
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    std::uint32_t tag = 0;  // bits of the hash, 0 for an empty slot
  };
  struct Block {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    std::size_t used = 0;
  };

  // The slot holding path, or the empty slot where it belongs.
  std::size_t Find(std::string_view path, std::size_t hash) const;
  std::string_view Text(const Slot& slot) const;
  Slot Store(std::string_view path, std::uint32_t tag);
  void Grow();

  std::vector<Block> blocks_;
  std::vector<Slot> slots_;  // a power of two in size, or none
  std::size_t count_ = 0;
};

}  // namespace velmora::cli::exporting
