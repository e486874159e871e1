#pragma once
// Text added in front of every copy of a marker, many times over: the same
// page as ReplaceAllIn(buffer, marker, text + marker) each time, without
// searching the whole page again for every addition. A results page of a
// thousand items would otherwise be searched a thousand times.

#include <cstddef>
#include <string>
#include <vector>

#include "pages/page_buffer.h"

namespace velmora::pages {

class MarkerInsertions {
 public:
  MarkerInsertions(PageBuffer& buffer, std::string marker);

  // As ReplaceAllIn(buffer, marker, text + marker).
  void InsertBefore(const std::string& text);

 private:
  void LocateAll();
  bool StillInPlace() const;

  PageBuffer& buffer_;
  std::string marker_;
  // Whether some end of the marker equals its start: then copies could
  // overlap or arise across an insertion in ways only a full search sees.
  bool selfOverlapping_ = false;
  std::vector<std::size_t> places_;
};

}  // namespace velmora::pages
