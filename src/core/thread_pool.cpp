#include "core/thread_pool.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "core/fp_flags.h"

namespace tq {

namespace {

// How long a waiting thread spins before it sleeps: about the time between
// two splits of an elimination step, so that a step's workers start at once.
constexpr int kSpins = 4000;

inline void Pause() {
#if defined(__SSE2__)
  _mm_pause();
#else
  std::this_thread::yield();
#endif
}

int Cores() {
  static const int cores = [] {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
      return CPU_COUNT(&set);
    return std::max(1, int(std::thread::hardware_concurrency()));
  }();
  return cores;
}

const int kEnvironmentSetting = ThreadSettingFromText(std::getenv("TALLYQUIST_THREADS"));
std::atomic<int> gThreadSetting{0};

// One split: the tasks, the next task to take, and what the threads report.
struct Job {
  detail::TaskRef task;
  int64_t count = 0;
  uint32_t controlWord = 0;  // the caller's, with the exception flags cleared
  bool spin = false;         // no more threads than cores: waiting threads spin first
  std::atomic<int64_t> next{0};
  std::atomic<bool> stop{false};
  bool stopped = false;  // the caller's poll asked to stop
  std::atomic<unsigned> flags{0};
  std::mutex errorMutex;
  std::exception_ptr error;
  int64_t errorIndex = std::numeric_limits<int64_t>::max();

  void Fail(int64_t index) {
    std::lock_guard<std::mutex> lock(errorMutex);
    if (index < errorIndex) {
      errorIndex = index;
      error = std::current_exception();
    }
    stop.store(true, std::memory_order_relaxed);
  }
};

// Takes tasks until none is left or the split stops; the caller passes its
// poll, asked before each of its tasks but the first.
void RunTasks(Job& job, detail::PollRef poll) {
  for (bool first = true;; first = false) {
    if (job.stop.load(std::memory_order_relaxed)) return;
    if (poll.stop && !first && poll.stop(poll.context)) {
      job.stopped = true;
      job.stop.store(true, std::memory_order_relaxed);
      return;
    }
    const int64_t index = job.next.fetch_add(1, std::memory_order_relaxed);
    if (index >= job.count) return;
    try {
      job.task.run(job.task.context, index);
    } catch (...) {
      job.Fail(index);
    }
  }
}

// The calling thread posts a job to the workers it wants and takes part
// itself. A worker joins a job only while it is open; the caller closes it
// when no task is left and waits for the workers that joined, not for those
// the system has not run yet, so a loaded machine slows a split down no
// further than to one thread's pace.
class Pool {
 public:
  ~Pool() {
    shutdown_.store(true, std::memory_order_release);
    for (auto& worker : workers_) {
      worker->post.fetch_add(1, std::memory_order_release);
      worker->post.notify_one();
    }
    for (auto& worker : workers_) worker->thread.join();
  }

  // Starts workers up to `count`; how many there are.
  int Reserve(int count) {
    while (int(workers_.size()) < count) {
      auto worker = std::make_unique<Worker>();
      try {
        worker->thread = std::thread(&Pool::Serve, this, worker.get());
      } catch (const std::system_error&) {
        break;
      }
      workers_.push_back(std::move(worker));
    }
    return int(workers_.size());
  }

  // Runs `job` on up to `helpers` workers and the calling thread.
  void Run(Job& job, int helpers, detail::PollRef poll) {
    generation_ = generation_ == kLastGeneration ? 1 : generation_ + 1;
    entry_.store(uint64_t(generation_) << 32, std::memory_order_release);
    for (int w = 0; w < helpers; ++w) {
      Worker& worker = *workers_[size_t(w)];
      worker.job = &job;
      worker.spin.store(job.spin, std::memory_order_relaxed);
      worker.post.store(generation_, std::memory_order_release);
      worker.post.notify_one();
    }
    RunTasks(job, poll);
    uint64_t entry = entry_.fetch_or(kClosed, std::memory_order_acq_rel) | kClosed;
    for (int spin = 0; job.spin && (entry & kJoined) != 0 && spin < kSpins; ++spin) {
      Pause();
      entry = entry_.load(std::memory_order_acquire);
    }
    while ((entry & kJoined) != 0) {
      entry_.wait(entry, std::memory_order_acquire);
      entry = entry_.load(std::memory_order_acquire);
    }
  }

 private:
  struct Worker {
    std::thread thread;
    std::atomic<uint32_t> post{0};  // the generation of the last job posted
    Job* job = nullptr;
    // Whether the last job posted asks its workers to spin before they
    // sleep. Kept apart from the job, which a worker may read only once it
    // has joined: a worker woken too late for its job must still spin for
    // the next one, or a run of short splits would each find it asleep.
    std::atomic<bool> spin{false};
  };

  // The open job: its generation (high half), closed, and the workers in it.
  static constexpr uint64_t kClosed = uint64_t{1} << 31;
  static constexpr uint64_t kJoined = kClosed - 1;
  static constexpr uint32_t kLastGeneration = 0xFFFFFFFEu;

  // Joins the job of `generation` while it is open.
  bool Join(uint32_t generation) {
    uint64_t entry = entry_.load(std::memory_order_acquire);
    for (;;) {
      if (uint32_t(entry >> 32) != generation || (entry & kClosed)) return false;
      if (entry_.compare_exchange_weak(entry, entry + 1, std::memory_order_acq_rel)) return true;
    }
  }

  void Leave() {
    const uint64_t entry = entry_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if ((entry & kClosed) && (entry & kJoined) == 0) entry_.notify_all();
  }

  void Serve(Worker* worker) {
    uint32_t seen = 0;
    bool spinning = false;  // as the last job asked
    for (;;) {
      uint32_t now = 0;
      for (int spin = 0;
           spinning && (now = worker->post.load(std::memory_order_acquire)) == seen &&
           spin < kSpins;
           ++spin)
        Pause();
      while ((now = worker->post.load(std::memory_order_acquire)) == seen)
        worker->post.wait(seen, std::memory_order_acquire);
      seen = now;
      if (shutdown_.load(std::memory_order_acquire)) return;
      spinning = worker->spin.load(std::memory_order_relaxed);
      if (!Join(now)) continue;
      // Joined: the job stays until this worker leaves it.
      Job* job = worker->job;
      WriteControlWord(job->controlWord);
      RunTasks(*job, {nullptr, nullptr});
      job->flags.fetch_or(ReadSseFlags(), std::memory_order_relaxed);
      Leave();
    }
  }

  std::vector<std::unique_ptr<Worker>> workers_;
  std::atomic<uint64_t> entry_{0};
  std::atomic<bool> shutdown_{false};
  uint32_t generation_ = 0;
};

Pool& ThePool() {
  static Pool pool;
  return pool;
}

}  // namespace

int ThreadSettingFromText(const char* text) {
  if (!text || !*text) return 0;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value < 1 || value > kMaxComputeThreads) return 0;
  return int(value);
}

bool SetThreadSetting(int threads) {
  if (threads < 0 || threads > kMaxComputeThreads) return false;
  gThreadSetting.store(threads, std::memory_order_relaxed);
  return true;
}

int ComputeThreads() {
  if (int setting = gThreadSetting.load(std::memory_order_relaxed)) return setting;
  if (kEnvironmentSetting) return kEnvironmentSetting;
  return Cores();
}

namespace detail {

bool RunParallel(int64_t count, int threads, TaskRef task, PollRef poll) {
  if (count <= 0) return true;
  int helpers = int(std::min<int64_t>(std::max(threads, 1), count)) - 1;
  if (helpers > 0) helpers = std::min(helpers, ThePool().Reserve(helpers));
  if (helpers <= 0) {
    for (int64_t index = 0; index < count; ++index) {
      if (index > 0 && poll.stop && poll.stop(poll.context)) return false;
      task.run(task.context, index);
    }
    return true;
  }
  Job job;
  job.task = task;
  job.count = count;
  job.controlWord = ReadControlWord() & ~0x3Fu;
  job.spin = helpers < Cores();
  ThePool().Run(job, helpers, poll);
  // The workers' exception flags join the caller's own.
  WriteControlWord(ReadControlWord() | job.flags.load(std::memory_order_relaxed));
  if (job.error) std::rethrow_exception(job.error);
  return !job.stopped;
}

}  // namespace detail

}  // namespace tq
