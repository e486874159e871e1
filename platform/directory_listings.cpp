#include "platform/directory_listings.h"

namespace velmora::platform {
namespace {

std::uint32_t HashOf(std::string_view folded) {
  return static_cast<std::uint32_t>(std::hash<std::string_view>{}(folded));
}

}  // namespace

DirectoryListings::DirectoryListings(Lister lister, Fold fold)
    : lister_(std::move(lister)), fold_(std::move(fold)) {}

std::optional<std::string> DirectoryListings::Find(const std::string& dir, std::string_view name,
                                                   bool* listed) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const Listing& listing = ListingOf(dir);
  if (listed) *listed = !listing.unlistable;
  if (listing.unlistable || listing.places.empty()) return std::nullopt;
  const std::string folded = fold_(name);
  const std::uint32_t entry = listing.places[PlaceOf(listing, folded, HashOf(folded))];
  if (entry == 0) return std::nullopt;
  return std::string(NameOf(listing, entry - 1));
}

void DirectoryListings::Added(const std::string& dir, std::string_view name) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = listings_.find(dir);
  if (found == listings_.end()) return;  // read when first needed
  if (found->second.unlistable) {
    listings_.erase(found);  // it exists now
    return;
  }
  if (!Insert(found->second, name)) found->second.shadowed = true;
}

void DirectoryListings::Removed(const std::string& dir, std::string_view name) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = listings_.find(dir);
  if (found == listings_.end() || found->second.unlistable || found->second.places.empty()) return;
  Listing& listing = found->second;
  const std::string folded = fold_(name);
  const std::size_t place = PlaceOf(listing, folded, HashOf(folded));
  const std::uint32_t entry = listing.places[place];
  // Another spelling of the name is the one found: it is still there.
  if (entry == 0 || NameOf(listing, entry - 1) != name) return;
  if (listing.shadowed) {
    listings_.erase(found);
    return;
  }
  listing.places[place] = kGone;
  listing.starts[entry - 1] = kGone;
}

void DirectoryListings::Forget(const std::string& dir) {
  const std::lock_guard<std::mutex> lock(mutex_);
  for (auto it = listings_.lower_bound(dir);
       it != listings_.end() && it->first.compare(0, dir.size(), dir) == 0;) {
    const bool below = it->first.size() == dir.size() || it->first[dir.size()] == '/' ||
                       (!dir.empty() && dir.back() == '/');
    it = below ? listings_.erase(it) : std::next(it);
  }
}

int DirectoryListings::ListingsRead() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return listingsRead_;
}

DirectoryListings::Listing& DirectoryListings::ListingOf(const std::string& dir) {
  const auto found = listings_.find(dir);
  if (found != listings_.end()) return found->second;
  return listings_.emplace(dir, Read(dir)).first->second;
}

DirectoryListings::Listing DirectoryListings::Read(const std::string& dir) {
  ++listingsRead_;
  Listing listing;
  const std::optional<std::vector<std::string>> names = lister_(dir);
  if (!names) {
    listing.unlistable = true;
    return listing;
  }
  std::size_t bytes = 0;
  for (const std::string& name : *names) bytes += name.size() + 1;
  listing.names.reserve(bytes);
  listing.starts.reserve(names->size());
  listing.hashes.reserve(names->size());
  for (const std::string& name : *names) {
    if (!Insert(listing, name)) listing.shadowed = true;
  }
  return listing;
}

std::size_t DirectoryListings::PlaceOf(const Listing& listing, std::string_view folded,
                                       std::uint32_t hash) const {
  const std::size_t mask = listing.places.size() - 1;
  std::size_t place = hash & mask;
  for (;; place = (place + 1) & mask) {
    const std::uint32_t entry = listing.places[place];
    if (entry == 0) return place;
    if (entry != kGone && listing.hashes[entry - 1] == hash &&
        fold_(NameOf(listing, entry - 1)) == folded) {
      return place;
    }
  }
}

std::string_view DirectoryListings::NameOf(const Listing& listing, std::uint32_t entry) const {
  const char* const name = listing.names.data() + listing.starts[entry];
  return {name, std::char_traits<char>::length(name)};
}

bool DirectoryListings::Insert(Listing& listing, std::string_view name) {
  if (2 * (listing.used + 1) > listing.places.size()) Grow(listing);
  const std::string folded = fold_(name);
  const std::uint32_t hash = HashOf(folded);
  const std::size_t place = PlaceOf(listing, folded, hash);
  if (listing.places[place] != 0) return false;
  listing.places[place] = static_cast<std::uint32_t>(listing.starts.size()) + 1;
  ++listing.used;
  listing.starts.push_back(static_cast<std::uint32_t>(listing.names.size()));
  listing.hashes.push_back(hash);
  listing.names.append(name).push_back('\0');
  return true;
}

void DirectoryListings::Grow(Listing& listing) {
  std::size_t live = 0;
  for (const std::uint32_t start : listing.starts) live += start != kGone;
  std::size_t size = 8;
  while (size < 4 * (live + 1)) size *= 2;
  listing.places.assign(size, 0);
  listing.used = live;
  // The names there are all different: each goes to the first free place.
  for (std::size_t entry = 0; entry < listing.starts.size(); ++entry) {
    if (listing.starts[entry] == kGone) continue;
    std::size_t place = listing.hashes[entry] & (size - 1);
    while (listing.places[place] != 0) place = (place + 1) & (size - 1);
    listing.places[place] = static_cast<std::uint32_t>(entry) + 1;
  }
}

}  // namespace velmora::platform
