#pragma once
// A compact summary of the three-letter sequences a page holds, so that a
// later search can pass over pages that cannot contain its word without
// reading them again. "No" is certain, "maybe" only likely; words shorter
// than three letters always get "maybe".

#include <cstddef>
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

// A signature's bits where they lie, in a file's bytes say: a power of two
// of 64-bit words, each in the machine's byte order, at any alignment.
class SignatureView {
 public:
  // No bits: says every word may be there.
  SignatureView() = default;
  explicit SignatureView(std::string_view bits) : bits_(bits) {}
  // Whether bits of this many bytes can be a signature at all.
  static bool PlausibleSize(std::size_t bytes);

  bool MayContain(const WordGrams& word) const;
  bool Known() const { return !bits_.empty(); }
  std::string_view Bits() const { return bits_; }

 private:
  std::string_view bits_;
};

class PageSignature {
 public:
  // Empty: says every word may be there.
  PageSignature() = default;
  static PageSignature Of(std::string_view pageBytes);

  bool MayContain(const WordGrams& word) const { return View().MayContain(word); }
  std::size_t Bytes() const { return bits_.size() * sizeof(std::uint64_t); }
  SignatureView View() const {
    return SignatureView(std::string_view(reinterpret_cast<const char*>(bits_.data()), Bytes()));
  }

 private:
  std::vector<std::uint64_t> bits_;  // a power of two of 64-bit words
};

}  // namespace velmora::navigation
