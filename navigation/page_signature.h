#pragma once
// A compact summary of the three-letter sequences a page holds, so that a
// later search can pass over pages that cannot contain its word without
// reading them again. "No" is certain, "maybe" only likely; words shorter
// than three letters always get "maybe".

#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora::navigation {

// The three-letter sequences of a word, folded to small letters.
class WordGrams {
 public:
  explicit WordGrams(std::string_view word);
  const std::vector<std::uint32_t>& Hashes() const { return hashes_; }

 private:
  std::vector<std::uint32_t> hashes_;
};

class PageSignature {
 public:
  // Empty: says every word may be there.
  PageSignature() = default;
  static PageSignature Of(std::string_view pageBytes);

  bool MayContain(const WordGrams& word) const;
  std::size_t Bytes() const { return bits_.size() * sizeof(std::uint64_t); }

 private:
  std::vector<std::uint64_t> bits_;  // a power of two of 64-bit words
};

}  // namespace velmora::navigation
