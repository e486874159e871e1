#pragma once
// Names looked up without regard to letter case, answered from one listing
// of each directory, read at the first lookup that needs it and kept for the
// run: a disc's directories do not change, and the program's own writes and
// deletions are told to the cache as they happen. Listing a directory of
// thousands of pictures for every missing name made start-up quadratic.
//
// A listing is compact (the names back to back, four bytes of index and
// four of hash a name): the photograph directory of a large disc holds a
// hundred thousand names. Safe to use from several threads.

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

class DirectoryListings {
 public:
  // The names of a directory's entries; nullopt when it cannot be listed.
  using Lister = std::function<std::optional<std::vector<std::string>>(const std::string& dir)>;
  // The form in which two names are the same regardless of case.
  using Fold = std::function<std::string(std::string_view name)>;

  DirectoryListings(Lister lister, Fold fold);

  // The entry of the directory whose name folds to the same as `name` (the
  // first listed when several do), or nullopt; `listed` tells whether the
  // directory could be listed at all.
  std::optional<std::string> Find(const std::string& dir, std::string_view name,
                                  bool* listed = nullptr);
  // The program made or removed this entry: a listing held is kept current.
  void Added(const std::string& dir, std::string_view name);
  void Removed(const std::string& dir, std::string_view name);
  // Drops the listing of this directory and of every directory below it.
  void Forget(const std::string& dir);

  // How many directories were listed so far.
  int ListingsRead() const;

 private:
  struct Listing {
    std::string names;                  // each name followed by a NUL
    std::vector<std::uint32_t> starts;  // where each name begins in names
    std::vector<std::uint32_t> hashes;  // of each name's folded form
    // Open addressing over entries (entry + 1; 0 free, kGone a removed one).
    std::vector<std::uint32_t> places;
    std::size_t used = 0;  // places not free, removed ones included
    bool unlistable = false;
    // Two names of the directory fold alike: removing the one found would
    // bring the other to light, so the listing is read again then.
    bool shadowed = false;
  };
  static constexpr std::uint32_t kGone = UINT32_MAX;

  Listing& ListingOf(const std::string& dir);
  Listing Read(const std::string& dir);
  // The place holding the folded name, or the free place where it would go.
  std::size_t PlaceOf(const Listing& listing, std::string_view folded, std::uint32_t hash) const;
  std::string_view NameOf(const Listing& listing, std::uint32_t entry) const;
  // False when a name folding alike is already there.
  bool Insert(Listing& listing, std::string_view name);
  void Grow(Listing& listing);

  Lister lister_;
  Fold fold_;
  mutable std::mutex mutex_;
  std::map<std::string, Listing> listings_;
  int listingsRead_ = 0;
};

}  // namespace velmora::platform
