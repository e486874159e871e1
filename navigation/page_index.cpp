#include "navigation/page_index.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "navigation/signature_file.h"
#include "platform/codepage.h"

namespace velmora::navigation {

namespace {

// Different in every run and every search object, so that a file left by
// another run or another viewer is never taken for this one's.
std::uint64_t DrawRunToken(const void* self) {
  std::uint64_t token =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      Mix(reinterpret_cast<std::uintptr_t>(self));
  try {
    std::random_device device;
    token ^= (static_cast<std::uint64_t>(device()) << 32) ^ device();
  } catch (const std::exception&) {
    // The clock and the address alone, then.
  }
  return Mix(token);
}

std::uint64_t ListingKey(std::uint64_t runToken, const PageListing& listing) {
  // FNV-1a over the directory and the names, each ended by a zero byte.
  std::uint64_t hash = 0xCBF29CE484222325u;
  const auto add = [&hash](const std::string& text) {
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
    hash = hash * 0x100000001B3u;
  };
  add(listing.directory);
  for (const std::string& name : listing.names) add(name);
  return Mix(runToken ^ Mix(hash + listing.names.size()));
}

}  // namespace

PageIndex::PageIndex() : runToken_(DrawRunToken(this)) {
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(runToken_));
  const std::string pattern = kSignatureFilePattern;
  const std::size_t star = pattern.find('*');
  fileName_ = pattern.substr(0, star) + hex + pattern.substr(star + 1);
}

std::shared_ptr<PageListing> PageIndex::Listing(platform::FileSystem& files,
                                                const std::string& directory) {
  if (listing_ && listing_->directory == directory) return listing_;
  auto listing = std::make_shared<PageListing>();
  listing->directory = directory;
  for (const platform::DirEntry& entry : files.List(directory + "*.htm")) {
    if (!entry.isDirectory) listing->names.push_back(entry.name);
  }
  std::sort(listing->names.begin(), listing->names.end(),
            [](const std::string& a, const std::string& b) {
              return platform::LowerWin1250(a) < platform::LowerWin1250(b);
            });
  listing->key = ListingKey(runToken_, *listing);
  listing_ = std::move(listing);
  written_.clear();
  return listing_;
}

std::unique_ptr<SearchSignatures> PageIndex::OpenSignatures(platform::FileSystem& files,
                                                            const PageListing& listing,
                                                            const std::string& workDir) {
  const std::size_t pages = listing.names.size();
  if (workDir.empty() || written_ != SignatureFile(workDir)) {
    return std::make_unique<SearchSignatures>(listing.key, pages);
  }
  return std::make_unique<SearchSignatures>(
      listing.key, pages, StoredSignatures(files.MapFile(written_), listing.key, pages));
}

void PageIndex::KeepSignatures(platform::FileSystem& files, SearchSignatures& signatures,
                               const std::string& workDir) {
  // Without a working directory of its own the program writes nowhere else:
  // later searches read every page again.
  if (workDir.empty() || !signatures.Changed()) {
    signatures.Close();
    return;
  }
  // The stored bytes are let go before the file is written over.
  const std::string image = signatures.TakeFileImage();
  const std::string path = SignatureFile(workDir);
  written_ = files.WriteFile(path, image) ? path : std::string();
}

}  // namespace velmora::navigation
