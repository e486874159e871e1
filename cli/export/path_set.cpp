#include "cli/export/path_set.h"

#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>

namespace velmora::cli::exporting {

namespace {

// Large enough that the blocks' own bookkeeping is nothing, small enough
// that a small export does not hold much unused.
constexpr std::size_t kBlockSize = 256 * 1024;

std::uint32_t TagOf(std::size_t hash) { return static_cast<std::uint32_t>(hash >> 32) | 1u; }

}  // namespace

std::string_view PathSet::Text(const Slot& slot) const {
  return {blocks_[slot.block].bytes.get() + slot.offset, slot.length};
}

std::size_t PathSet::Find(std::string_view path, std::size_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint32_t tag = TagOf(hash);
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.tag == 0 || (slot.tag == tag && Text(slot) == path)) return at;
  }
}

bool PathSet::Contains(std::string_view path) const {
  if (slots_.empty()) return false;
  return slots_[Find(path, std::hash<std::string_view>{}(path))].tag != 0;
}

bool PathSet::Insert(std::string_view path) {
  if (path.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("an export path longer than 4 GiB");
  }
  // At most three quarters full, so that a search ends soon at an empty slot.
  if ((count_ + 1) * 4 > slots_.size() * 3) Grow();
  const std::size_t hash = std::hash<std::string_view>{}(path);
  Slot& slot = slots_[Find(path, hash)];
  if (slot.tag != 0) return false;
  slot = Store(path, TagOf(hash));
  ++count_;
  return true;
}

PathSet::Slot PathSet::Store(std::string_view path, std::uint32_t tag) {
  if (blocks_.empty() || blocks_.back().size - blocks_.back().used < path.size()) {
    // A path longer than a block has one of its own.
    const std::size_t size = path.size() > kBlockSize ? path.size() : kBlockSize;
    blocks_.push_back({std::make_unique_for_overwrite<char[]>(size), size, 0});
  }
  Block& block = blocks_.back();
  if (!path.empty()) std::memcpy(block.bytes.get() + block.used, path.data(), path.size());
  const Slot slot{static_cast<std::uint32_t>(blocks_.size() - 1),
                  static_cast<std::uint32_t>(block.used), static_cast<std::uint32_t>(path.size()),
                  tag};
  block.used += path.size();
  return slot;
}

void PathSet::Grow() {
  std::vector<Slot> old(slots_.empty() ? 64 : slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.tag == 0) continue;
    std::size_t at = std::hash<std::string_view>{}(Text(slot)) & mask;
    while (slots_[at].tag != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

void PathSet::Release() {
  std::vector<Block>().swap(blocks_);
  std::vector<Slot>().swap(slots_);
  count_ = 0;
}

}  // namespace velmora::cli::exporting
