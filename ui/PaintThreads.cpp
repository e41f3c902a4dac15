#include "ui/PaintThreads.h"

PaintThreads& PaintThreads::instance() {
  static PaintThreads threads;
  return threads;
}

int PaintThreads::cores() {
  const unsigned n = std::thread::hardware_concurrency();
  return n == 0 ? 1 : int(n);
}

PaintThreads::~PaintThreads() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& t : workers_) t.join();
}

void PaintThreads::run(int count, int threads, const std::function<void(int)>& job) {
  if (count <= 0) return;
  threads = std::max(1, std::min(threads, count));
  if (threads == 1) {
    for (int i = 0; i < count; ++i) job(i);
    return;
  }
  std::lock_guard runLock(runMutex_);
  {
    std::lock_guard lock(mutex_);
    while (int(workers_.size()) < threads - 1) workers_.emplace_back([this] { work(); });
    job_ = &job;
    count_ = count;
    next_ = 0;
    unfinished_ = count;
    helpers_ = threads - 1;
    ++generation_;
  }
  wake_.notify_all();
  takeJobs();
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return unfinished_ == 0; });
  job_ = nullptr;
}

void PaintThreads::takeJobs() {
  std::unique_lock lock(mutex_);
  while (next_ < count_) {
    const int i = next_++;
    const std::function<void(int)>& job = *job_;
    lock.unlock();
    job(i);
    lock.lock();
    if (--unfinished_ == 0) done_.notify_all();
  }
}

void PaintThreads::work() {
  std::uint64_t seen = 0;
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return stopping_ || (generation_ != seen && helpers_ > 0); });
    if (stopping_) return;
    seen = generation_;
    --helpers_;
    lock.unlock();
    takeJobs();
    lock.lock();
  }
}
