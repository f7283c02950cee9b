// Multiply, inverse and solve on one thread beside the same on every core
// (ComputeThreads()), timed alternately within each iteration so that both
// see the same load of a shared machine. Each size first checks that the
// results are bit-identical. Counters: one_ms, all_ms and their ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "core/protected_call.h"
#include "core/thread_pool.h"
#include "linalg/gauss_jordan.h"
#include "linalg/matrix_multiply.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<double> RandomValues(size_t count, uint64_t seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::vector<double> values(count);
  for (double& x : values) x = uniform(random);
  return values;
}

// Runs `run(threads)` on one thread and on all, alternating which goes
// first, and reports both times and the speed-up.
template <class Prepare, class Run>
void SideBySide(benchmark::State& state, Prepare prepare, Run run) {
  const int all = tq::ComputeThreads();
  double one = 0, many = 0;
  bool oneFirst = true;
  for (auto _ : state) {
    double iteration = 0;
    for (int pass = 0; pass < 2; ++pass) {
      const int threads = (pass == 0) == oneFirst ? 1 : all;
      prepare();
      const auto start = Clock::now();
      run(threads);
      const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
      (threads == 1 ? one : many) += seconds;
      iteration += seconds;
    }
    oneFirst = !oneFirst;
    state.SetIterationTime(iteration);
  }
  const double n = double(state.iterations());
  state.counters["one_ms"] = 1e3 * one / n;
  state.counters["all_ms"] = 1e3 * many / n;
  state.counters["speedup"] = one / many;
  state.counters["threads"] = all;
}

void BM_Multiply(benchmark::State& state) {
  const int64_t n = state.range(0);
  const auto a = RandomValues(size_t(n * n), 1), b = RandomValues(size_t(n * n), 2);
  std::vector<double> c1(size_t(n * n)), c(size_t(n * n));
  tq::MultiplyBlocksInBands(a.data(), b.data(), c1.data(), n, n, n, 1);
  tq::MultiplyBlocksInBands(a.data(), b.data(), c.data(), n, n, n, tq::ComputeThreads());
  if (std::memcmp(c.data(), c1.data(), c.size() * sizeof(double)) != 0)
    return state.SkipWithError("threaded product differs");
  SideBySide(
      state, [] {},
      [&](int threads) {
        tq::MultiplyBlocksInBands(a.data(), b.data(), c.data(), n, n, n, threads);
        benchmark::DoNotOptimize(c.data());
      });
}

// Inverse (one right-hand side, as the engine runs it) or solve. Arg 2: 1
// splits every step, 0 as the engine does (the faster of the timed steps).
void BM_Eliminate(benchmark::State& state) {
  const int32_t n = int32_t(state.range(0));
  const auto split = state.range(1) ? tq::StepSplit::kAlways : tq::StepSplit::kFaster;
  const auto a0 = RandomValues(size_t(n) * size_t(n), 3), b0 = RandomValues(size_t(n), 4);
  std::vector<double> a, b, a1, b1;
  auto eliminate = [&](int threads) {
    return tq::RunProtected(
        [&] { return tq::GaussJordanOnThreads(a.data(), n, b.data(), 1, threads, split); });
  };
  a = a0, b = b0;
  eliminate(1);
  a1 = a, b1 = b;
  a = a0, b = b0;
  eliminate(tq::ComputeThreads());
  if (a != a1 || std::memcmp(b.data(), b1.data(), b.size() * sizeof(double)) != 0)
    return state.SkipWithError("threaded elimination differs");
  SideBySide(
      state, [&] { a = a0, b = b0; },
      [&](int threads) {
        eliminate(threads);
        benchmark::DoNotOptimize(a.data());
      });
}

}  // namespace

// n = 1000 is the figure; the small sizes place the one-thread thresholds.
BENCHMARK(BM_Multiply)->Arg(64)->Arg(100)->Arg(128)->Arg(160)->Arg(250)->Arg(1000)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Eliminate)->ArgsProduct({{100, 200, 300, 450, 600, 1000}, {0, 1}})
    ->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

BENCHMARK_MAIN();
