#pragma once
// The one replacement rule of every page kind.

#include <string>

#include "pages/page_buffer.h"

namespace velmora::pages {

// Replaces every occurrence of placeholder, left to right and case-sensitive,
// by value. Text a replacement inserted is never searched again, so a value
// holding the placeholder is inserted once; "@kol1@" cannot match inside
// "@kol10@". An empty placeholder changes nothing.
void ReplaceAllIn(PageBuffer& buffer, const std::string& placeholder, const std::string& value);

}  // namespace velmora::pages
