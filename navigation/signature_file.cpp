#include "navigation/signature_file.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace velmora::navigation {

namespace {

constexpr char kMagic[8] = {'V', 'N', 'Q', 'E', 'S', 'I', 'G', '1'};
constexpr std::size_t kHeaderBytes = 24;  // magic, key, pages
constexpr std::size_t kEntryBytes = 16;   // offset and words (32 bits each), check
constexpr std::size_t kWordBytes = sizeof(std::uint64_t);
// Room set aside at the start for the signatures to come, so that the image
// is not copied as it grows: the largest a page's signature gets, for every
// page, up to a bound. Untouched room costs no memory.
constexpr std::size_t kLargestSignature = 2048;
constexpr std::size_t kMostRoomAtStart = std::size_t{64} << 20;

template <typename T>
T Load(const char* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

template <typename T>
void Store(char* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

// A check of a page's bits that also depends on the listing and the page,
// so that bits written for another page or listing never pass. Four lanes
// over whole words, each step invertible: a changed word always changes
// the result.
std::uint64_t Check(std::uint64_t key, std::size_t page, std::string_view bits) {
  constexpr std::uint64_t kOdd[4] = {0x87C37B91114253D5u, 0x4CF5AD432745937Fu, 0x9E3779B97F4A7C15u,
                                     0xC2B2AE3D27D4EB4Fu};
  std::uint64_t lane[4];
  lane[0] = Mix(key ^ (static_cast<std::uint64_t>(page) * kOdd[2]));
  for (int i = 1; i < 4; ++i) lane[i] = Mix(lane[i - 1] + bits.size());
  const auto step = [&](int i, std::size_t at) {
    lane[i] = std::rotl((lane[i] ^ Load<std::uint64_t>(bits.data() + at)) * kOdd[i], 31);
  };
  std::size_t at = 0;
  for (; at + 4 * kWordBytes <= bits.size(); at += 4 * kWordBytes) {
    for (int i = 0; i < 4; ++i) step(i, at + i * kWordBytes);
  }
  for (; at + kWordBytes <= bits.size(); at += kWordBytes) step(0, at);
  return Mix(lane[0] ^ Mix(lane[1] ^ Mix(lane[2] ^ Mix(lane[3]))));
}

}  // namespace

StoredSignatures::StoredSignatures(std::shared_ptr<const platform::FileBytes> file,
                                   std::uint64_t key, std::size_t pages)
    : key_(key), pages_(pages) {
  if (!file) return;
  const std::string_view bytes = file->View();
  if (bytes.size() < kHeaderBytes || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0 ||
      Load<std::uint64_t>(bytes.data() + 8) != key ||
      Load<std::uint64_t>(bytes.data() + 16) != pages ||
      (bytes.size() - kHeaderBytes) / kEntryBytes < pages) {
    return;
  }
  entries_ = bytes.substr(kHeaderBytes, pages * kEntryBytes);
  bits_ = bytes.substr(kHeaderBytes + pages * kEntryBytes);
  file_ = std::move(file);
}

SignatureView StoredSignatures::Get(std::size_t page) const {
  if (!file_ || page >= pages_) return {};
  const char* entry = entries_.data() + page * kEntryBytes;
  const std::uint64_t offset = Load<std::uint32_t>(entry);
  const std::uint64_t words = Load<std::uint32_t>(entry + 4);
  if (!SignatureView::PlausibleSize(words * kWordBytes)) return {};
  if (offset + words > bits_.size() / kWordBytes) return {};
  const std::string_view bits = bits_.substr(offset * kWordBytes, words * kWordBytes);
  if (Check(key_, page, bits) != Load<std::uint64_t>(entry + 8)) return {};
  return SignatureView(bits);
}

void StoredSignatures::Close() {
  file_.reset();
  entries_ = {};
  bits_ = {};
}

SignatureFileImage::SignatureFileImage(std::uint64_t key, std::size_t pages)
    : key_(key), pages_(pages) {
  const std::size_t start = kHeaderBytes + pages * kEntryBytes;
  bytes_.reserve(start + std::min(pages * kLargestSignature, kMostRoomAtStart));
  bytes_.resize(start, '\0');  // entries of no words: unknown
  std::memcpy(bytes_.data(), kMagic, sizeof kMagic);
  Store<std::uint64_t>(bytes_.data() + 8, key);
  Store<std::uint64_t>(bytes_.data() + 16, pages);
}

bool SignatureFileImage::Has(std::size_t page) const {
  if (page >= pages_ || bytes_.empty()) return false;
  return Load<std::uint32_t>(bytes_.data() + kHeaderBytes + page * kEntryBytes + 4) != 0;
}

void SignatureFileImage::Add(std::size_t page, SignatureView signature) {
  const std::string_view bits = signature.Bits();
  if (page >= pages_ || bytes_.empty() || Has(page) || !SignatureView::PlausibleSize(bits.size()))
    return;
  const std::size_t start = kHeaderBytes + pages_ * kEntryBytes;
  const std::size_t offset = (bytes_.size() - start) / kWordBytes;
  // Offsets are kept in 32 bits: a disc with more than 32 GB of signatures
  // keeps the rest unknown.
  if (offset > UINT32_MAX - bits.size() / kWordBytes) return;
  bytes_.append(bits);
  char* entry = bytes_.data() + kHeaderBytes + page * kEntryBytes;
  Store<std::uint32_t>(entry, static_cast<std::uint32_t>(offset));
  Store<std::uint32_t>(entry + 4, static_cast<std::uint32_t>(bits.size() / kWordBytes));
  Store<std::uint64_t>(entry + 8, Check(key_, page, bits));
}

std::string SignatureFileImage::Take() { return std::exchange(bytes_, std::string()); }

std::uint64_t Mix(std::uint64_t x) {
  x ^= x >> 30;
  x *= 0xBF58476D1CE4E5B9u;
  x ^= x >> 27;
  x *= 0x94D049BB133111EBu;
  x ^= x >> 31;
  return x;
}

}  // namespace velmora::navigation
