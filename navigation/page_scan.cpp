#include "navigation/page_scan.h"

#include <algorithm>
#include <exception>
#include <system_error>

namespace velmora::navigation {

namespace {

unsigned WorkerCount(const platform::FileSystem& files, std::size_t pages) {
  if (!files.ReadsFromAnyThread() || pages < 16) return 0;
  // The calling thread examines pages too while it waits.
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  return std::min(cores - 1, 3u);
}

}  // namespace

PageScan::PageScan(std::shared_ptr<PageListing> listing, platform::FileSystem& files,
                   const std::vector<std::string>& words, SearchSignatures& signatures)
    : listing_(std::move(listing)), files_(files), signatures_(signatures) {
  for (const std::string& word : words) words_.push_back({FoldedNeedle(word), WordGrams(word)});
  outcomes_.resize(Count());
  ready_.assign(Count(), 0);
  const unsigned workers = WorkerCount(files, Count());
  for (unsigned i = 0; i < workers; ++i) {
    try {
      workers_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      break;  // no more threads to be had: the calling thread does the rest
    }
  }
}

PageScan::~PageScan() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  taken_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

ScannedPage PageScan::Take(std::size_t page) {
  std::unique_lock lock(mutex_);
  nextToTake_ = std::max(nextToTake_, page);
  while (!ready_[page]) {
    const std::size_t claimed = ClaimLocked();
    if (claimed == Count()) {
      examined_.wait(lock);
      continue;
    }
    ExamineClaimed(lock, claimed);
  }
  ScannedPage outcome = std::move(outcomes_[page]);
  nextToTake_ = std::max(nextToTake_, page + 1);
  lock.unlock();
  taken_.notify_all();
  return outcome;
}

std::size_t PageScan::ClaimLocked() {
  if (nextToClaim_ >= Count() || nextToClaim_ >= nextToTake_ + kLookahead) return Count();
  return nextToClaim_++;
}

void PageScan::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    const std::size_t claimed = ClaimLocked();
    if (stopping_ || (claimed == Count() && nextToClaim_ >= Count())) return;
    if (claimed == Count()) {
      taken_.wait(lock);
      continue;
    }
    ExamineClaimed(lock, claimed);
    examined_.notify_all();
  }
}

void PageScan::ExamineClaimed(std::unique_lock<std::mutex>& lock, std::size_t page) {
  lock.unlock();
  ScannedPage outcome;
  try {
    outcome = Examine(page);
  } catch (const std::exception&) {
    // A page too large to hold is not listed, like one that cannot be read;
    // on a worker thread the exception would end the program.
    outcome = ScannedPage{};
  }
  lock.lock();
  outcomes_[page] = std::move(outcome);
  ready_[page] = 1;
}

bool PageScan::MayHoldAWord(const SignatureView& signature) const {
  return std::any_of(words_.begin(), words_.end(),
                     [&](const Word& word) { return signature.MayContain(word.grams); });
}

// Runs without the lock.
ScannedPage PageScan::Examine(std::size_t page) {
  ScannedPage scanned;
  const SignatureView stored = signatures_.Stored(page);
  if (!MayHoldAWord(stored)) {
    scanned.outcome = ScannedPage::Outcome::WithoutWord;
    return scanned;
  }
  std::optional<std::string> bytes = files_.ReadFile(listing_->directory + Name(page));
  if (!bytes) return scanned;
  if (!stored.Known()) {
    const PageSignature signature = PageSignature::Of(*bytes);
    signatures_.Add(page, signature);
    if (!MayHoldAWord(signature.View())) {
      scanned.outcome = ScannedPage::Outcome::WithoutWord;
      return scanned;
    }
  }
  const bool found = std::any_of(words_.begin(), words_.end(),
                                 [&](const Word& word) { return word.needle.FoundIn(*bytes); });
  scanned.outcome = found ? ScannedPage::Outcome::WithWord : ScannedPage::Outcome::WithoutWord;
  if (found) scanned.bytes = std::move(*bytes);
  return scanned;
}

}  // namespace velmora::navigation
