#pragma once
// Reads table files on a worker thread, so that start-up goes on while they
// are read and split into cells. A table so read waits for its contents at
// its first use.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "tables/table.h"

namespace velmora::tables {

class BackgroundReader {
 public:
  // Bytes already read below this size are split on the calling thread:
  // no thread pays there.
  static constexpr std::size_t kSmallFile = 256 * 1024;

  BackgroundReader() = default;
  BackgroundReader(const BackgroundReader&) = delete;
  BackgroundReader& operator=(const BackgroundReader&) = delete;
  // Finishes every read asked for.
  ~BackgroundReader();

  // Fills the (still empty) table from the bytes of its file by ReadCsvText's
  // rules, here or on the worker thread. Reads run in the order asked.
  void Read(Table& table, std::string bytes);
  // The same with the file read on the worker thread too: `bytes` runs
  // there. What it throws is thrown again at the table's first use (or
  // here, when no thread can be had and it runs on the spot).
  void ReadLater(Table& table, std::function<std::string()> bytes);
  // Both with the bytes left where the file system holds them (mapped): the
  // table keeps them, and they are released once split.
  void Read(Table& table, std::shared_ptr<const platform::FileBytes> bytes);
  void ReadLater(Table& table, std::function<std::shared_ptr<const platform::FileBytes>()> bytes);

  // Reads asked for from now on wait until Resume, so that they do not
  // compete with what the user waits for first; a table whose contents are
  // wanted meanwhile resumes them at once.
  void Hold();
  void Resume();

 private:
  // Open, or closed while reads are held.
  struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = true;
    void Open();
    void WaitOpen();
  };

  // Runs the job on the worker, or here; the table takes its result.
  void Submit(Table& table, std::function<Table()> job);
  void Work();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> jobs_;
  bool stopping_ = false;
  std::thread worker_;
  // Shared with the tables waiting for reads, which may outlive the reader.
  std::shared_ptr<Gate> gate_ = std::make_shared<Gate>();
};

}  // namespace velmora::tables
