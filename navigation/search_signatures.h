#pragma once
// The page signatures one search works with: those an earlier search left
// in the signature file, and those this one makes of the pages it reads.

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "navigation/page_signature.h"
#include "navigation/signature_file.h"

namespace velmora::navigation {

class SearchSignatures {
 public:
  // Without stored signatures every page is unknown until read.
  SearchSignatures(std::uint64_t key, std::size_t pages, StoredSignatures stored = {})
      : stored_(std::move(stored)), key_(key), pages_(pages) {}
  SearchSignatures(const SearchSignatures&) = delete;
  SearchSignatures& operator=(const SearchSignatures&) = delete;

  // What the file says of the page; unknown when it says nothing sound.
  // These two may be called from any thread.
  SignatureView Stored(std::size_t page) const { return stored_.Get(page); }
  // A signature made of the page as it was read now.
  void Add(std::size_t page, const PageSignature& signature);

  // Whether this search made signatures the file lacked.
  bool Changed() const;
  // The file's new bytes: every stored signature that is still sound and
  // every one made. Lets go of the stored file.
  std::string TakeFileImage();
  // Lets go of the stored file without keeping anything.
  void Close() { stored_.Close(); }

 private:
  StoredSignatures stored_;
  std::uint64_t key_;
  std::size_t pages_;
  mutable std::mutex mutex_;
  // Made on the first signature added, so that a search that adds none
  // holds nothing of its own.
  std::optional<SignatureFileImage> made_;
};

}  // namespace velmora::navigation
