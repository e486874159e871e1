#include "navigation/text_search.h"

#include "navigation/iso_fold.h"

namespace velmora::navigation {

std::string FoldIso(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(FoldIsoByte(c));
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
    const unsigned char c = FoldIsoByte(haystack[pos + m - 1]);
    if (c == last) {
      std::size_t i = 0;
      while (i + 1 < m && FoldIsoByte(haystack[pos + i]) == static_cast<unsigned char>(folded_[i]))
        ++i;
      if (i + 1 >= m) return true;
    }
    pos += skip_[c];
  }
  return false;
}

}  // namespace velmora::navigation
