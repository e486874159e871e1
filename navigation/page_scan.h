#pragma once
// One search's pass over the content pages: which pages hold a word. Pages
// are examined ahead on worker threads when the file system can be read
// from several at once; the caller takes the outcomes in directory order,
// on its own thread, at its own pace.

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "navigation/page_index.h"
#include "navigation/search_signatures.h"
#include "navigation/text_search.h"
#include "platform/file_system.h"

namespace velmora::navigation {

struct ScannedPage {
  enum class Outcome { Unreadable, WithoutWord, WithWord };
  Outcome outcome = Outcome::Unreadable;
  std::string bytes;  // the page, when it holds the word
};

class PageScan {
 public:
  // Looks for any of the words (already in the page's code page) in each
  // page; signatures tells which pages cannot hold them and receives the
  // signatures of the pages read. Both must outlive the scan.
  PageScan(std::shared_ptr<PageListing> listing, platform::FileSystem& files,
           const std::vector<std::string>& words, SearchSignatures& signatures);
  ~PageScan();
  PageScan(const PageScan&) = delete;
  PageScan& operator=(const PageScan&) = delete;

  std::size_t Count() const { return listing_->names.size(); }
  const std::string& Name(std::size_t page) const { return listing_->names[page]; }
  // The outcome for a page; each page once, in ascending order. Waits for it
  // and meanwhile helps examine the pages ahead.
  ScannedPage Take(std::size_t page);

 private:
  struct Word {
    FoldedNeedle needle;
    WordGrams grams;
  };

  // How far ahead of the caller pages are examined, which bounds the memory
  // held by pages found and not yet taken.
  static constexpr std::size_t kLookahead = 256;

  ScannedPage Examine(std::size_t page);
  bool MayHoldAWord(const SignatureView& signature) const;
  // Under the lock: the next page to examine, or Count() when none may be.
  std::size_t ClaimLocked();
  // Examines a claimed page with the lock released, then records its outcome.
  void ExamineClaimed(std::unique_lock<std::mutex>& lock, std::size_t page);
  void Work();

  std::shared_ptr<PageListing> listing_;
  platform::FileSystem& files_;
  SearchSignatures& signatures_;
  std::vector<Word> words_;

  std::mutex mutex_;
  std::condition_variable examined_;
  std::condition_variable taken_;
  std::vector<ScannedPage> outcomes_;
  std::vector<char> ready_;
  std::size_t nextToClaim_ = 0;
  std::size_t nextToTake_ = 0;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace velmora::navigation
