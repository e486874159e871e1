#include "tables/background_reader.h"

#include <future>
#include <memory>
#include <system_error>
#include <utility>

namespace velmora::tables {

void BackgroundReader::Gate::Open() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    open = true;
  }
  opened.notify_all();
}

void BackgroundReader::Gate::WaitOpen() {
  std::unique_lock<std::mutex> lock(mutex);
  opened.wait(lock, [this] { return open; });
}

void BackgroundReader::Hold() {
  std::lock_guard<std::mutex> lock(gate_->mutex);
  gate_->open = false;
}

void BackgroundReader::Resume() { gate_->Open(); }

BackgroundReader::~BackgroundReader() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  gate_->Open();  // held reads are finished too
  if (worker_.joinable()) worker_.join();
}

void BackgroundReader::Read(Table& table, std::string bytes) {
  Read(table, std::make_shared<platform::HeapFileBytes>(std::move(bytes)));
}

void BackgroundReader::ReadLater(Table& table, std::function<std::string()> bytes) {
  ReadLater(table, [bytes = std::move(bytes)]() -> std::shared_ptr<const platform::FileBytes> {
    return std::make_shared<platform::HeapFileBytes>(bytes());
  });
}

void BackgroundReader::Read(Table& table, std::shared_ptr<const platform::FileBytes> bytes) {
  if (!bytes || bytes->View().size() < kSmallFile) {
    ReadCsvText(table, std::move(bytes));
    return;
  }
  ReadLater(table, [bytes = std::move(bytes)]() mutable { return std::move(bytes); });
}

void BackgroundReader::ReadLater(
    Table& table, std::function<std::shared_ptr<const platform::FileBytes>()> bytes) {
  Submit(table, [name = table.Name(), columns = table.ColumnCount(), bytes = std::move(bytes)] {
    Table read(name, columns);
    ReadCsvText(read, bytes());
    return read;
  });
}

void BackgroundReader::Submit(Table& table, std::function<Table()> job) {
  // The job fills a table of its own and never touches the caller's, which
  // takes the result at its first use.
  auto task = std::make_shared<std::packaged_task<Table()>>(std::move(job));
  std::future<Table> contents = task->get_future();
  bool queued = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!worker_.joinable()) {
      try {
        worker_ = std::thread([this] { Work(); });
      } catch (const std::system_error&) {
        // No thread to be had: the job runs here.
      }
    }
    if (worker_.joinable()) {
      jobs_.emplace_back([task] { (*task)(); });
      queued = true;
    }
  }
  if (queued) {
    wake_.notify_one();
    table.AwaitContents(std::move(contents), [gate = gate_] { gate->Open(); });
  } else {
    (*task)();
    table = contents.get();
  }
}

void BackgroundReader::Work() {
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (jobs_.empty()) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    gate_->WaitOpen();
    job();
  }
}

}  // namespace velmora::tables
