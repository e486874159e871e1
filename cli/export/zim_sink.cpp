#include "cli/export/zim_sink.h"

#include <malloc.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <zim/writer/creator.h>
#include <zim/writer/item.h>

#include <fstream>
#include <iostream>
#include <optional>

namespace velmora::cli::exporting {

namespace fs = std::filesystem;

namespace {

// libzim reads a file item through a buffer of 1 MiB of its own, held from
// the item's adding until its cluster is written; a picture of a few KB
// held a whole one, and hundreds of them waited for the workers at a time.
constexpr std::uint64_t kReadAheadLimit = 1024 * 1024;

// The bytes of a file smaller than the limit, nullopt for a larger one.
std::optional<std::string> SmallFileBytes(const fs::path& file, std::uint64_t size) {
  if (size >= kReadAheadLimit) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  std::string bytes(size, '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size)) || in.peek() != EOF) {
    return std::nullopt;  // changed meanwhile: libzim reads it as it is
  }
  return bytes;
}

}  // namespace

ZimSink::ZimSink(fs::path finalFile, ZimMetadata metadata)
    : finalFile_(std::move(finalFile)), metadata_(std::move(metadata)) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(finalFile_, ec))) {
    // Never put in place of a file this run did not make.
    error_ = "the output exists already: " + finalFile_.string();
    return;
  }
  partFile_ = finalFile_.parent_path() /
              ("." + finalFile_.filename().string() + ".part-" + std::to_string(getpid()));
  try {
    auto creator = std::make_unique<zim::writer::Creator>();
    // Two workers on clusters of 2 MiB: one worker falls behind the pages
    // on a busy machine and the clusters waiting for it hold the memory;
    // a second costs about 50 MiB at this size (bench/README.md).
    creator->configIndexing(true, "pol").configClusterSize(2 * 1024 * 1024).configNbWorkers(2);
    creator->startZimCreation(partFile_.string());
    creator_ = std::move(creator);
  } catch (const std::exception& error) {
    error_ = "cannot start the archive " + finalFile_.string() + ": " + error.what();
    RemovePartFiles();
  }
}

ZimSink::~ZimSink() {
  // An archive given up: libzim has only its working file to leave behind.
  if (creator_) {
    creator_.reset();
    RemovePartFiles();
  }
}

void ZimSink::RemovePartFiles() {
  // The archive's working file and the indexes libzim builds beside it.
  std::error_code ec;
  for (const char* suffix :
       {"", ".tmp", "_fulltext.idx", "_fulltext.idx.tmp", "_title.idx", "_title.idx.tmp"}) {
    fs::remove_all(fs::path(partFile_.string() + suffix), ec);
  }
}

bool ZimSink::SpaceFor(std::uint64_t bytes) {
  // libzim cannot recover from a failed write in its worker threads (the
  // process ends), so the room is made sure of before: the item, the
  // indexes and the final write of the archive's directory, with a reserve.
  constexpr std::uint64_t kReserve = 64ull * 1024 * 1024;
  struct statvfs info {};
  if (statvfs(partFile_.parent_path().c_str(), &info) != 0) return true;
  const std::uint64_t free = static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
  written_ += bytes;
  return free >= bytes + kReserve + written_ / 2;
}

bool ZimSink::Fail(const std::string& what) {
  if (error_.empty()) error_ = what;
  return false;
}

bool ZimSink::Add(const ExportItem& item) {
  if (!creator_) return Fail("no archive");
  std::error_code ec;
  const std::uint64_t size =
      item.sourceFile.empty() ? item.content.size() : fs::file_size(item.sourceFile, ec);
  if (!SpaceFor(ec ? 0 : size)) {
    return Fail("not enough space left for the archive in " + finalFile_.parent_path().string());
  }
  // The pages freed between the items (the clusters written, the pages
  // made) go back to the system now and then: malloc keeps them otherwise.
  if (++added_ % 1024 == 0) ::malloc_trim(0);
  try {
    zim::writer::Hints hints;
    hints[zim::writer::FRONT_ARTICLE] = item.page ? 1 : 0;
    const bool text = item.mimeType.starts_with("text/");
    const bool compress =
        text || item.mimeType == "application/javascript" || item.mimeType == "application/json";
    hints[zim::writer::COMPRESS] = compress ? 1 : 0;
    const std::string mimeType = text ? item.mimeType + ";charset=utf-8" : item.mimeType;
    std::optional<std::string> bytes;
    if (!item.sourceFile.empty() && !ec) bytes = SmallFileBytes(item.sourceFile, size);
    if (bytes) {
      creator_->addItem(
          zim::writer::StringItem::create(item.path, mimeType, item.title, hints, *bytes));
    } else if (!item.sourceFile.empty()) {
      creator_->addItem(std::make_shared<zim::writer::FileItem>(item.path, mimeType, item.title,
                                                                hints, item.sourceFile.string()));
    } else {
      creator_->addItem(
          zim::writer::StringItem::create(item.path, mimeType, item.title, hints, item.content));
    }
    return true;
  } catch (const std::exception& error) {
    return Fail("cannot write " + item.path + " to the archive: " + error.what());
  }
}

bool ZimSink::Finish(const std::string& mainPath) {
  if (!creator_) return Fail("no archive");
  try {
    creator_->setMainPath(mainPath);
    creator_->addMetadata("Title", metadata_.title);
    creator_->addMetadata("Description", metadata_.description);
    creator_->addMetadata("Language", "pol");
    creator_->addMetadata("Creator", metadata_.creator);
    creator_->addMetadata("Publisher", metadata_.publisher);
    creator_->addMetadata("Date", metadata_.date);
    creator_->addMetadata("Name", "velmora_pl_all");
    creator_->addMetadata("Tags", "_category:other;_pictures:yes;_videos:yes");
    if (!metadata_.illustration48Png.empty()) {
      creator_->addIllustration(48, metadata_.illustration48Png);
    }
    // libzim reports its last steps on standard output, which is ours.
    std::streambuf* const out = std::cout.rdbuf(nullptr);
    try {
      creator_->finishZimCreation();
    } catch (...) {
      std::cout.rdbuf(out);
      std::cout.clear();
      throw;
    }
    std::cout.rdbuf(out);
    std::cout.clear();
    creator_.reset();
  } catch (const std::exception& error) {
    creator_.reset();
    RemovePartFiles();
    return Fail("cannot finish the archive " + finalFile_.string() + ": " + error.what());
  }
  std::error_code ec;
  fs::rename(partFile_, finalFile_, ec);
  if (ec) {
    RemovePartFiles();
    return Fail("cannot rename the archive to " + finalFile_.string() + ": " + ec.message());
  }
  return true;
}

}  // namespace velmora::cli::exporting
