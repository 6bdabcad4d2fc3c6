#include "services/upload_worker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/host/host_threads.h"

struct UploadWorker::Shared {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::pair<Exchange, Report>> waiting;
  bool started = false;
  bool busy = false;
  bool abandoned = false;
};

UploadWorker::UploadWorker() : shared_(std::make_shared<Shared>()) {}

UploadWorker::~UploadWorker() { Abandon(); }

void UploadWorker::Post(Exchange exchange, Report report) {
  if constexpr (!platform::kHostHasThreads) {
    // Nowhere else to run it: the game waits for the exchange.
    if (shared_->abandoned) return;
    exchange();
    report();
    return;
  }
  {
    std::lock_guard lock(shared_->mutex);
    if (shared_->abandoned) return;
    shared_->waiting.emplace_back(std::move(exchange), std::move(report));
    if (!shared_->started) {
      shared_->started = true;
      std::thread([shared = shared_] { Run(shared); }).detach();
    }
  }
  shared_->changed.notify_all();
}

bool UploadWorker::WaitUntilDone(std::chrono::milliseconds limit) {
  std::unique_lock lock(shared_->mutex);
  return shared_->changed.wait_for(lock, limit, [&] { return shared_->waiting.empty() && !shared_->busy; });
}

void UploadWorker::Abandon() {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->abandoned = true;
    shared_->waiting.clear();
  }
  shared_->changed.notify_all();
}

void UploadWorker::Run(const std::shared_ptr<Shared>& shared) {
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->changed.wait(lock, [&] { return shared->abandoned || !shared->waiting.empty(); });
    if (shared->abandoned) return;
    auto [exchange, report] = std::move(shared->waiting.front());
    shared->waiting.pop_front();
    shared->busy = true;
    lock.unlock();
    exchange();
    lock.lock();
    // Reported under the lock, so Abandon cannot return while a report still runs.
    if (!shared->abandoned) report();
    shared->busy = false;
    shared->changed.notify_all();
  }
}
