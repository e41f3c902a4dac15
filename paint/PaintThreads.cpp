#include "paint/PaintThreads.h"

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

void PaintThreads::begin(int count, int helpers, std::function<void(int)> job) {
  {
    std::lock_guard lock(mutex_);
    while (int(workers_.size()) < helpers) workers_.emplace_back([this] { work(); });
    job_ = std::move(job);
    count_ = count;
    next_ = 0;
    unfinished_ = count;
    helpers_ = helpers;
    ++generation_;
  }
  wake_.notify_all();
}

void PaintThreads::run(int count, int threads, const std::function<void(int)>& job) {
  if (count <= 0) return;
  threads = std::max(1, std::min(threads, count));
  if (threads == 1) {
    for (int i = 0; i < count; ++i) job(i);
    return;
  }
  begin(count, threads - 1, job);
  takeJobs();
  wait();
}

void PaintThreads::start(int count, std::function<void(int)> job) {
  if (count > 0) begin(count, count, std::move(job));
}

void PaintThreads::wait() {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return unfinished_ == 0; });
  job_ = nullptr;
}

void PaintThreads::takeJobs() {
  std::unique_lock lock(mutex_);
  while (next_ < count_) {
    const int i = next_++;
    lock.unlock();
    job_(i);  // job_ is only replaced once every job has finished
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
