// Heavy computations split over the machine's cores. One pool of worker
// threads, started at the first split and kept for the program's life; the
// calling thread takes part in every split. Floating-point exception flags
// are per thread: each worker's are merged into the caller's, so the frame
// sees the faults of every thread as one thread would have raised them.
#pragma once

#include <cstdint>
#include <type_traits>

namespace tq {

// The threads a split may use: the processor's cores, or the thread setting
// when one is given (TALLYQUIST_THREADS, read once, or SetThreadSetting).
int ComputeThreads();
// 1 to kMaxComputeThreads sets the number; 0 returns to the environment or
// the cores. False, with nothing changed, for another value.
inline constexpr int kMaxComputeThreads = 64;
bool SetThreadSetting(int threads);
// The value of TALLYQUIST_THREADS as a setting: 1 to 64, or 0 when it is
// unset or not such a number.
int ThreadSettingFromText(const char* text);

namespace detail {
struct TaskRef {
  void* context;
  void (*run)(void* context, int64_t index);
};
struct PollRef {
  void* context;
  bool (*stop)(void* context);
};
bool RunParallel(int64_t count, int threads, TaskRef task, PollRef poll);
}  // namespace detail

// Runs task(i) for every i in [0, count) on up to `threads` threads, the
// caller among them, and returns when all have ended. Tasks must be
// independent of each other and must not touch the session (status record,
// objects, port). The caller's floating-point control word holds in every
// thread. An exception thrown by a task is rethrown here once all threads
// have stopped (of several, the one of the lowest index). Tasks are taken
// in increasing order; after one throws, no further task starts.
template <class Task>
void ParallelFor(int64_t count, int threads, Task&& task) {
  detail::RunParallel(
      count, threads,
      {&task, [](void* c, int64_t i) { (*static_cast<std::remove_reference_t<Task>*>(c))(i); }},
      {nullptr, nullptr});
}

// The same, with `stop` asked on the calling thread before each of its
// tasks but the first; once it answers true no further task starts, and the
// result is false.
template <class Task, class Stop>
bool ParallelFor(int64_t count, int threads, Task&& task, Stop&& stop) {
  return detail::RunParallel(
      count, threads,
      {&task, [](void* c, int64_t i) { (*static_cast<std::remove_reference_t<Task>*>(c))(i); }},
      {&stop, [](void* c) { return bool((*static_cast<std::remove_reference_t<Stop>*>(c))()); }});
}

}  // namespace tq
