#include "navigation/page_signature.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "navigation/iso_fold.h"
#include "navigation/text_search.h"

namespace velmora::navigation {

namespace {

constexpr int kScratchBitsLog2 = 14;
constexpr std::size_t kScratchBits = std::size_t{1} << kScratchBitsLog2;
constexpr std::size_t kScratchWords = kScratchBits / 64;
// The smallest signature, and how full one may get: every triple of a word
// must hit a set bit, so at 30 % a page without the word is read anyway
// for one word of three letters in three, one of five in 37, one of eight
// in 1,400.
constexpr std::size_t kMinWords = 8;
constexpr double kMaxFill = 0.3;

// The gram's bit in the largest signature; a smaller one of 2^k bits uses
// the low k bits, so a signature can be halved by OR-ing its halves.
inline std::uint32_t GramBit(std::uint32_t gram) {
  return (gram * 0x9E3779B1u) >> (32 - kScratchBitsLog2);
}

// Bytes at and after the position as a number, in the same order for the
// page and the word.
inline std::uint32_t TripleAt(const char* at) {
  std::uint32_t four;
  std::memcpy(&four, at, 4);
  if constexpr (std::endian::native == std::endian::big) four = __builtin_bswap32(four);
  return four & 0xFFFFFFu;
}

std::size_t CountBits(const std::uint64_t* words, std::size_t count) {
  std::size_t bits = 0;
  for (std::size_t i = 0; i < count; ++i) bits += static_cast<std::size_t>(std::popcount(words[i]));
  return bits;
}

}  // namespace

WordGrams::WordGrams(std::string_view word) {
  std::string folded = FoldIso(word);
  const std::size_t size = folded.size();
  folded.append(4, '\0');  // whole loads at the last positions
  for (std::size_t i = 0; i + 2 < size; ++i)
    hashes_.push_back(GramBit(TripleAt(folded.data() + i)));
  std::sort(hashes_.begin(), hashes_.end());
  hashes_.erase(std::unique(hashes_.begin(), hashes_.end()), hashes_.end());
}

PageSignature PageSignature::Of(std::string_view page) {
  // One byte per bit first: plain stores keep the loop over the page fast,
  // where setting bits would read and write the same words again and again.
  thread_local std::array<std::uint8_t, kScratchBits> seen{};
  // The page folded first, with zero bytes after it so that every position
  // can load a whole triple: no position then waits on the one before.
  // Grams running into the zeros are harmless extra bits.
  thread_local std::string folded;
  folded.resize(page.size() + 4);
  // Local pointers: stores through char pointers would otherwise make the
  // compiler reload everything after each byte.
  char* const text = folded.data();
  const unsigned char* const in = reinterpret_cast<const unsigned char*>(page.data());
  std::uint8_t* const bitOf = seen.data();
  for (std::size_t i = 0; i < page.size(); ++i) text[i] = static_cast<char>(kIsoFold[in[i]]);
  std::memset(text + page.size(), 0, 4);
  for (std::size_t i = 0; i < page.size(); ++i) bitOf[GramBit(TripleAt(text + i))] = 1;
  std::array<std::uint64_t, kScratchWords> scratch{};
  for (std::size_t word = 0; word < kScratchWords; ++word) {
    std::uint64_t bits = 0;
    for (std::size_t byte = 0; byte < 8; ++byte) {
      std::uint64_t eight;
      std::memcpy(&eight, &seen[word * 64 + byte * 8], 8);
      // Eight 0/1 bytes gathered into eight bits, lowest address lowest bit.
      bits |= ((eight * 0x0102040810204080u) >> 56) << (byte * 8);
    }
    scratch[word] = bits;
  }
  seen.fill(0);

  // Halve while the result stays sparse enough.
  std::size_t words = kScratchWords;
  while (words > kMinWords) {
    const std::size_t half = words / 2;
    std::array<std::uint64_t, kScratchWords / 2> folded{};
    for (std::size_t i = 0; i < half; ++i) folded[i] = scratch[i] | scratch[i + half];
    if (static_cast<double>(CountBits(folded.data(), half)) > kMaxFill * 64.0 * half) break;
    std::copy_n(folded.begin(), half, scratch.begin());
    words = half;
  }
  PageSignature signature;
  signature.bits_.assign(scratch.begin(), scratch.begin() + static_cast<std::ptrdiff_t>(words));
  return signature;
}

bool SignatureView::PlausibleSize(std::size_t bytes) {
  const std::size_t words = bytes / sizeof(std::uint64_t);
  return bytes % sizeof(std::uint64_t) == 0 && words >= kMinWords && words <= kScratchWords &&
         std::has_single_bit(words);
}

bool SignatureView::MayContain(const WordGrams& word) const {
  // Bits of no signature's size rule nothing out (and are never read past).
  if (!PlausibleSize(bits_.size())) return true;
  const std::size_t words = bits_.size() / sizeof(std::uint64_t);
  const std::uint32_t mask = static_cast<std::uint32_t>(words * 64 - 1);
  for (const std::uint32_t hash : word.Hashes()) {
    const std::uint32_t bit = hash & mask;
    std::uint64_t bitsWord;
    std::memcpy(&bitsWord, bits_.data() + (bit >> 6) * sizeof(std::uint64_t), sizeof bitsWord);
    if (!(bitsWord & (std::uint64_t{1} << (bit & 63)))) return false;
  }
  return true;
}

}  // namespace velmora::navigation
