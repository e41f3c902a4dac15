#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Worker threads that paint the bands of a frame. They are started once, when a
// frame first asks for them, and wait between frames: no frame starts a thread.
class PaintThreads {
 public:
  // The program's workers.
  static PaintThreads& instance();
  // The processor's cores, at least 1.
  static int cores();

  PaintThreads() = default;
  ~PaintThreads();
  PaintThreads(const PaintThreads&) = delete;
  PaintThreads& operator=(const PaintThreads&) = delete;

  // Runs job(0) ... job(count - 1) on at most `threads` threads, the calling one
  // among them, and returns when all have finished. Jobs are taken in order as
  // threads become free. One run at a time: a second caller waits.
  void run(int count, int threads, const std::function<void(int)>& job);

 private:
  void work();
  void takeJobs();

  std::mutex runMutex_;  // one run at a time
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  std::vector<std::thread> workers_;
  const std::function<void(int)>* job_ = nullptr;
  int count_ = 0;
  int next_ = 0;
  int unfinished_ = 0;
  int helpers_ = 0;  // workers that may join the current run
  std::uint64_t generation_ = 0;
  bool stopping_ = false;
};
