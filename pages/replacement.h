#pragma once
// The one replacement rule of every page kind.

#include <cstddef>
#include <string>

#include "pages/page_buffer.h"

namespace velmora::pages {

// Replaces every occurrence of placeholder, left to right and case-sensitive,
// by value. Text a replacement inserted is never searched again, so a value
// holding the placeholder is inserted once; "@kol1@" cannot match inside
// "@kol10@". An empty placeholder changes nothing.
// A replacement never makes a page longer than kLargestGrownPage (or than
// it was): an occurrence whose value would is taken out without it, so a long
// field in a template full of placeholders cannot grow a page to gigabytes.
inline constexpr std::size_t kLargestGrownPage = std::size_t{16} << 20;
void ReplaceAllIn(PageBuffer& buffer, const std::string& placeholder, const std::string& value);

// Takes out every occurrence of placeholder, first to last, each with the
// table row around it: from the last "<TR" before it up to the first
// "</TR>" after it (which stays) becomes one blank. An occurrence without
// such a row goes alone. In one pass over the page; a placeholder or row
// marker that only the joining of the text around a removed one would form
// is not looked for again.
void RemoveRowsOf(PageBuffer& buffer, const std::string& placeholder);

}  // namespace velmora::pages
