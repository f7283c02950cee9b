// A compiled function evaluated over many points, as the engines do (chart
// series, element-wise computation, search grids), fault detection
// included; beside muparser's per-point evaluation and the same expression
// as native C++. Prints ns per point and the ratios after the runs.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/object_list.h"
#include "lang/function_checks.h"
#include "lang/lang_state.h"

namespace {

constexpr size_t kPoints = 4096;

struct Expression {
  const char* text;        // in both languages
  double (*native)(double);
};

const Expression kExpressions[] = {
    {"x^2", [](double x) { return x * x; }},
    {"sin(x)*x^2+3*x-1/(x+2)", [](double x) { return std::sin(x) * (x * x) + 3 * x - 1 / (x + 2); }},
    {"sqrt(abs(x))*exp(-x*x/2)+cos(3*x)",
     [](double x) { return std::sqrt(std::fabs(x)) * std::exp(-x * x / 2) + std::cos(3 * x); }},
    {"((((x+1)*x-2)*x+3)*x-4)*x+5", [](double x) { return ((((x + 1) * x - 2) * x + 3) * x - 4) * x + 5; }},
    // 30 operations mixing arithmetic and sin, cos, exp
    {"sin(x)*cos(x)+exp(-x)*x-3*x*x+cos(2*x)/(1+x*x)-sin(x/3)*exp(x/4)+x*x*x/7-cos(x)*2+sin(3*x)-exp(x/5)",
     [](double x) {
       return std::sin(x) * std::cos(x) + std::exp(-x) * x - 3 * x * x + std::cos(2 * x) / (1 + x * x) -
              std::sin(x / 3) * std::exp(x / 4) + x * x * x / 7 - std::cos(x) * 2 + std::sin(3 * x) -
              std::exp(x / 5);
     }},
};
constexpr int kExpressionCount = int(sizeof kExpressions / sizeof kExpressions[0]);

std::vector<double> Grid() {
  std::vector<double> xs(kPoints);
  for (size_t i = 0; i < kPoints; ++i) xs[i] = 0.1 + 1.9 * double(i) / double(kPoints - 1);
  return xs;
}

// A workspace holding the function "f" with the expression, compiled and
// checked as the engines do before their first point.
struct CompiledFunction {
  explicit CompiledFunction(const char* text) {
    tq::SetCurrentDocument(&document);
    tq::lang::ResetLanguageState();
    auto function = std::make_unique<tq::FunctionObject>(text);
    function->name = "f";
    tq::AddObject(std::move(function));
    std::string message;
    if (tq::CheckFunctionForAnalysis("f", message) != 0) std::abort();
  }
  ~CompiledFunction() { tq::SetCurrentDocument(nullptr); }
  tq::Document document;
};

void Batch(benchmark::State& state) {
  CompiledFunction compiled(kExpressions[state.range(0)].text);
  std::vector<double> xs = Grid(), values(kPoints);
  std::vector<int32_t> statuses(kPoints);
  for (auto _ : state) {
    size_t failed = tq::EvaluateAtPoints(xs.data(), values.data(), statuses.data(), kPoints);
    benchmark::DoNotOptimize(failed);
    benchmark::DoNotOptimize(values.data());
  }
}

void PerPoint(benchmark::State& state) {
  CompiledFunction compiled(kExpressions[state.range(0)].text);
  std::vector<double> xs = Grid();
  std::string text;
  for (auto _ : state) {
    double sum = 0;
    int32_t status = 0;
    for (double x : xs) sum += tq::EvaluateAt(x, status, text);
    benchmark::DoNotOptimize(sum);
  }
}

void MuParser(benchmark::State& state) {
  mu::Parser parser;
  double x = 0;
  parser.DefineVar("x", &x);
  parser.SetExpr(kExpressions[state.range(0)].text);
  std::vector<double> xs = Grid();
  for (auto _ : state) {
    double sum = 0;
    for (double point : xs) {
      x = point;
      sum += parser.Eval();
    }
    benchmark::DoNotOptimize(sum);
  }
}

void Native(benchmark::State& state) {
  auto f = kExpressions[state.range(0)].native;
  std::vector<double> xs = Grid();
  for (auto _ : state) {
    double sum = 0;
    for (double x : xs) {
      benchmark::DoNotOptimize(x);
      sum += f(x);
    }
    benchmark::DoNotOptimize(sum);
  }
}

BENCHMARK(Batch)->DenseRange(0, kExpressionCount - 1);
BENCHMARK(PerPoint)->DenseRange(0, kExpressionCount - 1);
BENCHMARK(MuParser)->DenseRange(0, kExpressionCount - 1);
BENCHMARK(Native)->DenseRange(0, kExpressionCount - 1);

// Keeps ns per point of every run for the summary.
class Collector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.iterations > 0)
        nsPerPoint[run.benchmark_name()] =
            run.real_accumulated_time / double(run.iterations) / double(kPoints) * 1e9;
  }
  std::map<std::string, double> nsPerPoint;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  std::printf("\n%-4s %10s %10s %10s %10s %12s\n", "expr", "batch", "EvaluateAt", "muparser", "native",
              "batch/mup");
  double logSum = 0;
  int counted = 0;
  for (int i = 0; i < kExpressionCount; ++i) {
    std::string arg = "/" + std::to_string(i);
    double batch = collector.nsPerPoint["Batch" + arg], perPoint = collector.nsPerPoint["PerPoint" + arg];
    double mu = collector.nsPerPoint["MuParser" + arg], native = collector.nsPerPoint["Native" + arg];
    if (batch <= 0 || mu <= 0) continue;
    std::printf("%-4d %10.2f %10.2f %10.2f %10.2f %12.3f\n", i, batch, perPoint, mu, native, batch / mu);
    logSum += std::log(batch / mu);
    ++counted;
  }
  if (counted) std::printf("geometric mean of batch/muparser: %.3f\n", std::exp(logSum / counted));
  benchmark::Shutdown();
  return 0;
}
