#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Worker threads that paint the bands of a frame. They are started once, when a
// frame first asks for them, and wait between frames: no frame starts a thread.
// One thread hands out work: the GUI thread.
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
  // threads become free.
  void run(int count, int threads, const std::function<void(int)>& job);
  // Starts job(0) ... job(count - 1) on `count` workers and returns at once; wait()
  // returns when they have finished. The jobs may wait for one another: each has
  // a thread of its own.
  void start(int count, std::function<void(int)> job);
  void wait();

 private:
  void begin(int count, int helpers, std::function<void(int)> job);
  void work();
  void takeJobs();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  std::vector<std::thread> workers_;
  std::function<void(int)> job_;
  int count_ = 0;
  int next_ = 0;
  int unfinished_ = 0;
  int helpers_ = 0;  // workers that may still join the current jobs
  std::uint64_t generation_ = 0;
  bool stopping_ = false;
};
