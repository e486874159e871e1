#include "pages/replacement.h"

namespace velmora::pages {

void ReplaceAllIn(PageBuffer& buffer, const std::string& placeholder, const std::string& value) {
  if (placeholder.empty()) return;
  std::size_t position = 0;
  for (;;) {
    const std::size_t found = buffer.Find(placeholder, position, true);
    if (found == PageBuffer::npos) return;
    buffer.Replace(found, placeholder.size(), value);
    position = found + value.size();
  }
}

}  // namespace velmora::pages
