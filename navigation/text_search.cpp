#include "navigation/text_search.h"

#include <array>

namespace velmora::navigation {

namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<unsigned char>(c + 0x20);
  // ISO-8859-2 capitals A1..AF map to B1..BF, except the non-letters A2, A4, A7, A8, AD.
  for (int c : {0xA1, 0xA3, 0xA5, 0xA6, 0xA9, 0xAA, 0xAB, 0xAC, 0xAE, 0xAF}) {
    table[c] = static_cast<unsigned char>(c + 0x10);
  }
  for (int c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7) table[c] = static_cast<unsigned char>(c + 0x20);
  }
  return table;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

inline unsigned char Fold(char c) { return kFold[static_cast<unsigned char>(c)]; }

}  // namespace

std::string FoldIso(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(Fold(c));
  return folded;
}

FoldedNeedle::FoldedNeedle(std::string_view word) : folded_(FoldIso(word)) {
  // Horspool's bad-character shifts over the folded alphabet.
  const std::size_t m = folded_.size();
  for (std::size_t& shift : skip_) shift = m;
  for (std::size_t i = 0; i + 1 < m; ++i) {
    skip_[static_cast<unsigned char>(folded_[i])] = m - 1 - i;
  }
}

bool FoldedNeedle::FoundIn(std::string_view haystack) const {
  const std::size_t m = folded_.size();
  if (m == 0) return true;
  if (haystack.size() < m) return false;
  const unsigned char last = static_cast<unsigned char>(folded_[m - 1]);
  std::size_t pos = 0;
  while (pos + m <= haystack.size()) {
    const unsigned char c = Fold(haystack[pos + m - 1]);
    if (c == last) {
      std::size_t i = 0;
      while (i + 1 < m && Fold(haystack[pos + i]) == static_cast<unsigned char>(folded_[i])) ++i;
      if (i + 1 >= m) return true;
    }
    pos += skip_[c];
  }
  return false;
}

}  // namespace velmora::navigation
