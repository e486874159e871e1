#pragma once
// Case-insensitive substring search over 8-bit page text. Letters are
// folded with the ISO-8859-2 table (A-Z and the Latin-2 capitals), the code
// page the content is written in.

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::navigation {

// The text with every ISO-8859-2 capital replaced by its small letter.
std::string FoldIso(std::string_view text);

// A word prepared once and then looked for in many pages.
class FoldedNeedle {
 public:
  explicit FoldedNeedle(std::string_view word);
  // Whether the haystack (not folded) contains the word, ignoring case.
  bool FoundIn(std::string_view haystack) const;

 private:
  std::string folded_;
  std::size_t skip_[256];
};

}  // namespace velmora::navigation
