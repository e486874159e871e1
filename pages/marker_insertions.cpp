#include "pages/marker_insertions.h"

#include "pages/replacement.h"

namespace velmora::pages {

MarkerInsertions::MarkerInsertions(PageBuffer& buffer, std::string marker)
    : buffer_(buffer), marker_(std::move(marker)) {
  for (std::size_t length = 1; length < marker_.size(); ++length) {
    if (marker_.compare(0, length, marker_, marker_.size() - length, length) == 0) {
      selfOverlapping_ = true;
    }
  }
  LocateAll();
}

void MarkerInsertions::LocateAll() {
  places_.clear();
  if (marker_.empty()) return;
  for (std::size_t at = buffer_.Find(marker_, 0, true); at != PageBuffer::npos;
       at = buffer_.Find(marker_, at + marker_.size(), true)) {
    places_.push_back(at);
  }
}

bool MarkerInsertions::StillInPlace() const {
  const std::string& text = buffer_.Text();
  for (const std::size_t place : places_) {
    if (text.compare(place, marker_.size(), marker_) != 0) return false;
  }
  return true;
}

void MarkerInsertions::InsertBefore(const std::string& text) {
  if (marker_.empty() || text.empty()) return;
  // Someone else changed the page, or the text brings markers of its own:
  // the general rule, and the places found anew.
  if (selfOverlapping_ || text.find(marker_) != std::string::npos || !StillInPlace()) {
    ReplaceAllIn(buffer_, marker_, text + marker_);
    LocateAll();
    return;
  }
  const std::size_t m = marker_.size();
  std::size_t shift = 0;
  bool newCopies = false;
  for (std::size_t& place : places_) {
    place += shift;
    buffer_.Replace(place, 0, text);
    // The page before the place and the start of the text may now spell a
    // marker; nothing else can, the marker not overlapping itself.
    const std::size_t from = place >= m - 1 ? place - (m - 1) : 0;
    if (buffer_.Find(marker_, from, true) < place + text.size()) newCopies = true;
    place += text.size();
    shift += text.size();
  }
  if (newCopies) LocateAll();
}

}  // namespace velmora::pages
