// Computing a function for every element of a 10^7-element vector, beside
// the same expression as a native loop in the same binary.
#include <cmath>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "core/object_list.h"
#include "core/ui_port.h"
#include "lang/element_compute.h"

namespace {

constexpr int32_t kElements = 10000000;

struct Expression {
  const char* text;
  double (*native)(double);
};

// The five expressions of the language benchmark; the last has 30 operations.
const Expression kExpressions[] = {
    {"x^2", [](double x) { return x * x; }},
    {"sin(x)*x^2+3*x-1/(x+2)", [](double x) { return std::sin(x) * x * x + 3 * x - 1 / (x + 2); }},
    {"sqrt(abs(x))*exp(-x*x/2)+cos(3*x)",
     [](double x) { return std::sqrt(std::fabs(x)) * std::exp(-x * x / 2) + std::cos(3 * x); }},
    {"((((x+1)*x-2)*x+3)*x-4)*x+5",
     [](double x) { return ((((x + 1) * x - 2) * x + 3) * x - 4) * x + 5; }},
    {"sin(x)+cos(x)*2-exp(x/10)+x*x/3-(x+1)*(x-1)+sin(2*x)*cos(x/2)+x/7-exp(-x)+1",
     [](double x) {
       return std::sin(x) + std::cos(x) * 2 - std::exp(x / 10) + x * x / 3 - (x + 1) * (x - 1) +
              std::sin(2 * x) * std::cos(x / 2) + x / 7 - std::exp(-x) + 1;
     }},
};

class Workspace {
 public:
  Workspace() {
    tq::SetCurrentDocument(&document_);
    auto source = std::make_unique<tq::VectorObject>(kElements, 0.0);
    for (int32_t i = 1; i <= kElements; ++i) source->at(i) = 0.25 + 1e-7 * i;
    source->name = "src";
    tq::AddObject(std::move(source));
  }
  ~Workspace() { tq::SetCurrentDocument(nullptr); }

 private:
  tq::Document document_;
};

Workspace& Shared() {
  static Workspace workspace;
  return workspace;
}

void ComputeEngine(benchmark::State& state) {
  Shared();
  const Expression& e = kExpressions[state.range(0)];
  tq::DeleteObjectByName("f");
  auto function = std::make_unique<tq::FunctionObject>(e.text);
  function->name = "f";
  tq::AddObject(std::move(function));
  for (auto _ : state) {
    int32_t result = tq::ComputeFunctionForVector("src", "f", "out");
    if (result != 1) state.SkipWithError("compute failed");
  }
  state.SetLabel(e.text);
  state.counters["ns/element"] =
      benchmark::Counter(double(kElements), benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}

void NativeLoop(benchmark::State& state) {
  const Expression& e = kExpressions[state.range(0)];
  auto* source = dynamic_cast<tq::VectorObject*>(
      (Shared(), tq::FindObject("src", tq::OBJMASK_VECTOR)));
  tq::VectorObject out(kElements, 0.0);
  for (auto _ : state) {
    const double* in = source->data();
    double* o = out.data();
    for (int32_t i = 0; i < kElements; ++i) o[i] = e.native(in[i]);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetLabel(e.text);
  state.counters["ns/element"] =
      benchmark::Counter(double(kElements), benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(ComputeEngine)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(NativeLoop)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
