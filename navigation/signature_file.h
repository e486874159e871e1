#pragma once
// The file in which the search keeps the pages' signatures between searches,
// so that they do not stay in memory: a search that makes signatures writes
// them, the next one reads them back and lets go of them when it ends.
// Nothing in the file is taken on trust: a signature that is missing, lies
// outside the file, has no signature's size or fails its check counts as
// unknown, and its page is read.
//
// Layout, in the machine's byte order: a header (8 magic bytes, the key of
// the listing it belongs to, the number of pages), one entry per page
// (where its bits start and how many 64-bit words they have, both counted
// in words from the start of the bits, then a check of the bits), then the
// bits of every signature, one after the other.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "navigation/page_signature.h"
#include "platform/file_system.h"

namespace velmora::navigation {

// Spreads every bit of x over the whole result, one to one: keys and checks
// of the signature file are made from it.
std::uint64_t Mix(std::uint64_t x);

// The signatures a file holds for one listing of pages.
class StoredSignatures {
 public:
  // No file: every page unknown.
  StoredSignatures() = default;
  // The file's bytes (null when there are none), the key and the number of
  // pages of the listing they must have been written for.
  StoredSignatures(std::shared_ptr<const platform::FileBytes> file, std::uint64_t key,
                   std::size_t pages);

  // The page's signature, or an unknown one. May be called from any thread.
  SignatureView Get(std::size_t page) const;
  // Lets go of the file's bytes; every page is unknown afterwards.
  void Close();

 private:
  std::shared_ptr<const platform::FileBytes> file_;
  std::uint64_t key_ = 0;
  std::size_t pages_ = 0;
  std::string_view entries_;
  std::string_view bits_;
};

// A signature file's bytes, put together page by page in any order.
class SignatureFileImage {
 public:
  SignatureFileImage(std::uint64_t key, std::size_t pages);

  // Each page once: a page that has one already, or bits of no signature's
  // size, are passed over.
  void Add(std::size_t page, SignatureView signature);
  bool Has(std::size_t page) const;
  // The bytes to write; the image holds nothing afterwards.
  std::string Take();

 private:
  std::uint64_t key_;
  std::size_t pages_;
  std::string bytes_;
};

}  // namespace velmora::navigation
