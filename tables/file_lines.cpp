#include "tables/file_lines.h"

#include <cstring>

namespace velmora::tables {

std::vector<std::string_view> FileLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  const char* start = begin;
  // The next LF, kept while lone CRs end lines before it, so that a file of
  // CR line ends is not searched to its end for every line.
  const char* lf = nullptr;
  bool lfKnown = false;
  while (start < end) {
    // Most lines end in CR LF: memchr finds both far faster than a loop
    // over every byte.
    if (!lfKnown || (lf && lf < start)) {
      lf = static_cast<const char*>(std::memchr(start, '\n', end - start));
      lfKnown = true;
    }
    const char* stop = lf ? lf : end;
    const char* cr = static_cast<const char*>(std::memchr(start, '\r', stop - start));
    if (cr) {
      lines.emplace_back(start, cr - start);
      start = (cr + 1 == lf) ? lf + 1 : cr + 1;
    } else if (lf) {
      lines.emplace_back(start, lf - start);
      start = lf + 1;
    } else {
      lines.emplace_back(start, end - start);
      break;
    }
  }
  return lines;
}

}  // namespace velmora::tables
