// Dense matrix product: MultiplyBlocks (blocked, vectorised, run-time chosen
// instruction set) beside the plain i-k-j loop compiled here with the same
// flags. Compare the GFLOP/s counters of the two at each size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "linalg/matrix_multiply.h"
#include "linalg/matrix_multiply_kernels.h"

namespace {

// The definition of the product: each c[i][j] summed from 0.0 in order of p.
void PlainLoop(const double* a, const double* b, double* c, int64_t m, int64_t k, int64_t n) {
  std::fill_n(c, m * n, 0.0);
  for (int64_t i = 0; i < m; ++i) {
    double* ci = c + i * n;
    for (int64_t p = 0; p < k; ++p) {
      const double aip = a[i * k + p];
      const double* bp = b + p * n;
      for (int64_t j = 0; j < n; ++j) ci[j] += aip * bp[j];
    }
  }
}

std::vector<double> RandomBlock(int64_t count, unsigned seed) {
  std::mt19937_64 engine(seed);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::vector<double> block(static_cast<size_t>(count));
  for (double& x : block) x = value(engine);
  return block;
}

// Runs c[m x n] = a[m x k] * b[k x n] with `multiply`, m = k = range(0),
// n = range(1), and reports the rate in GFLOP/s (2 m k n per product).
void MultiplyAtSize(benchmark::State& state, tq::MultiplyKernelFunction multiply) {
  const int64_t m = state.range(0), k = state.range(0), n = state.range(1);
  const std::vector<double> a = RandomBlock(m * k, 1);
  const std::vector<double> b = RandomBlock(k * n, 2);
  std::vector<double> c(static_cast<size_t>(m * n));
  for (auto _ : state) {
    multiply(a.data(), b.data(), c.data(), m, k, n);
    benchmark::DoNotOptimize(c.data());
    benchmark::ClobberMemory();
  }
  state.counters["GFLOP"] = benchmark::Counter(
      2e-9 * static_cast<double>(m * k * n) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
}

void SquareSizes(benchmark::internal::Benchmark* b) {
  for (int64_t size : {250, 500, 1000}) b->Args({size, size});
  b->Unit(benchmark::kMillisecond);
}

void ColumnSizes(benchmark::internal::Benchmark* b) {
  for (int64_t size : {250, 1000, 2000}) b->Args({size, 1});
  b->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("MultiplyBlocks", MultiplyAtSize, tq::MultiplyBlocks)
      ->Apply(SquareSizes);
  benchmark::RegisterBenchmark("PlainLoop", MultiplyAtSize, PlainLoop)->Apply(SquareSizes);
  benchmark::RegisterBenchmark("MultiplyBlocks/vector", MultiplyAtSize, tq::MultiplyBlocks)
      ->Apply(ColumnSizes);
  benchmark::RegisterBenchmark("PlainLoop/vector", MultiplyAtSize, PlainLoop)->Apply(ColumnSizes);
  // Each instruction-set variant this processor runs, at the largest size.
  for (const tq::MultiplyKernel& kernel : tq::AvailableMultiplyKernels()) {
    if (kernel.run == tq::MultiplyBlocksPlain) continue;
    benchmark::RegisterBenchmark((std::string("Variant/") + kernel.name).c_str(), MultiplyAtSize,
                                 kernel.run)
        ->Args({1000, 1000})
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
