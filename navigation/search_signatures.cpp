#include "navigation/search_signatures.h"

namespace velmora::navigation {

void SearchSignatures::Add(std::size_t page, const PageSignature& signature) {
  const std::lock_guard lock(mutex_);
  if (!made_) made_.emplace(key_, pages_);
  made_->Add(page, signature.View());
}

bool SearchSignatures::Changed() const {
  const std::lock_guard lock(mutex_);
  return made_.has_value();
}

std::string SearchSignatures::TakeFileImage() {
  const std::lock_guard lock(mutex_);
  if (!made_) made_.emplace(key_, pages_);
  for (std::size_t page = 0; page < pages_; ++page) {
    if (!made_->Has(page)) made_->Add(page, stored_.Get(page));
  }
  stored_.Close();
  std::string image = made_->Take();
  made_.reset();
  return image;
}

}  // namespace velmora::navigation
