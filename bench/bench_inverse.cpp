// Gauss-Jordan inversion and linear solve beside the plain textbook loop.
// Before timing, each size checks that both give bit-identical results.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "core/nr_arrays.h"
#include "core/protected_call.h"
#include "linalg/gauss_jordan.h"

namespace {

std::vector<double> RandomMatrix(int32_t n, uint64_t seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::vector<double> m(size_t(n) * n);
  for (double& x : m) x = uniform(random);
  return m;
}

// The same problem in the row tables of the plain loop.
struct PlainProblem {
  PlainProblem(const std::vector<double>& a0, const std::vector<double>& b0, int32_t n, int32_t m)
      : n(n), m(m), a(tq::dmatrix(1, n, 1, n)), b(tq::dmatrix(1, n, 1, m)) {
    Load(a0, b0);
  }
  ~PlainProblem() {
    tq::free_dmatrix(a, 1, n, 1, n);
    tq::free_dmatrix(b, 1, n, 1, m);
  }
  void Load(const std::vector<double>& a0, const std::vector<double>& b0) {
    std::memcpy(&a[1][1], a0.data(), a0.size() * sizeof(double));
    std::memcpy(&b[1][1], b0.data(), b0.size() * sizeof(double));
  }
  int32_t n, m;
  double** a;
  double** b;
};

std::vector<double> RightHandSide(int32_t n) {
  std::vector<double> b(static_cast<size_t>(n));
  for (int32_t j = 0; j < n; ++j) b[size_t(j)] = double(j + 1);
  return b;
}

bool SameResults(int32_t n) {
  std::vector<double> a = RandomMatrix(n, 99), b = RightHandSide(n);
  PlainProblem plain(a, b, n, 1);
  if (tq::RunProtected([&] { return tq::GaussJordan(a.data(), n, b.data(), 1); }) != 1 ||
      tq::RunProtected([&] { return tq::GaussJordanPlain(plain.a, n, plain.b, 1); }) != 1)
    return false;
  return std::memcmp(a.data(), &plain.a[1][1], a.size() * sizeof(double)) == 0 &&
         std::memcmp(b.data(), &plain.b[1][1], b.size() * sizeof(double)) == 0;
}

void BM_InverseGaussJordan(benchmark::State& state) {
  const int32_t n = int32_t(state.range(0));
  if (!SameResults(n)) return state.SkipWithError("results differ from the plain loop");
  const std::vector<double> a0 = RandomMatrix(n, 1), b0 = RightHandSide(n);
  std::vector<double> a, b;
  for (auto _ : state) {
    state.PauseTiming();
    a = a0;
    b = b0;
    state.ResumeTiming();
    tq::RunProtected([&] { return tq::GaussJordan(a.data(), n, b.data(), 1); });
    benchmark::DoNotOptimize(a.data());
  }
}

void BM_InversePlainLoop(benchmark::State& state) {
  const int32_t n = int32_t(state.range(0));
  const std::vector<double> a0 = RandomMatrix(n, 1), b0 = RightHandSide(n);
  PlainProblem plain(a0, b0, n, 1);
  for (auto _ : state) {
    state.PauseTiming();
    plain.Load(a0, b0);
    state.ResumeTiming();
    tq::RunProtected([&] { return tq::GaussJordanPlain(plain.a, n, plain.b, 1); });
    benchmark::DoNotOptimize(plain.a[1]);
  }
}

// A linear solve is the same elimination with the right-hand side b.
void BM_SolveGaussJordan(benchmark::State& state) { BM_InverseGaussJordan(state); }
void BM_SolvePlainLoop(benchmark::State& state) { BM_InversePlainLoop(state); }

}  // namespace

BENCHMARK(BM_InverseGaussJordan)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InversePlainLoop)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveGaussJordan)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolvePlainLoop)->Arg(1000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
