// Computing a function for every element of a 10^7-element vector, beside
// the same expression as a native loop in the same binary; and a function of
// x, _m and _n over a 1000 x 2000 matrix, in blocks and element by element,
// timed alternately with its native loop in each iteration.
#include <chrono>
#include <cmath>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "core/object_list.h"
#include "core/ui_port.h"
#include "lang/element_compute.h"
#include "lang/lang_state.h"

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

// 20 operations on x and the element's row and column.
constexpr const char* kIndexedText =
    "x*_m-_n/(x+_m)+sqrt(_n)*x-(_m-_n)*(_m+_n)/3+x*x/(_n+1)-2*_m+_n*x";
inline double IndexedNative(double x, double m, double n) {
  return x * m - n / (x + m) + std::sqrt(n) * x - (m - n) * (m + n) / 3 + x * x / (n + 1) -
         2 * m + n * x;
}
constexpr int32_t kIndexedRows = 1000, kIndexedColumns = 2000;

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Arg 1: in blocks; 0: element by element. Counters: engine and native
// nanoseconds per element and their ratio.
void IndexedSideBySide(benchmark::State& state) {
  const bool blocks = state.range(0) == 1;
  tq::Document* const shared = tq::CurrentDocument();
  tq::Document document;
  tq::SetCurrentDocument(&document);
  auto source = std::make_unique<tq::MatrixObject>(kIndexedColumns, kIndexedRows, 0.0);
  for (int64_t i = 0; i < source->count(); ++i) source->data()[i] = 0.5 + 1e-6 * double(i);
  source->name = "M";
  const tq::MatrixObject* in = source.get();
  tq::AddObject(std::move(source));
  auto function = std::make_unique<tq::FunctionObject>(kIndexedText);
  function->name = "f";
  tq::AddObject(std::move(function));
  tq::lang::Lang().elementBlocks = blocks;
  tq::MatrixObject out(kIndexedColumns, kIndexedRows, 0.0);
  tq::ElementFunctionCheck accept;
  accept.withoutX = tq::ElementFunctionCheck::WithoutX::kAccept;
  double engine = 0, native = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    if (tq::ComputeFunctionForMatrix("M", "f", "R", &accept) != 1)
      state.SkipWithError("compute failed");
    engine += Seconds(start);
    start = std::chrono::steady_clock::now();
    const double* x = in->data();
    double* o = out.data();
    for (int32_t m = 1; m <= kIndexedRows; ++m)
      for (int32_t n = 1; n <= kIndexedColumns; ++n) *o++ = IndexedNative(*x++, m, n);
    benchmark::DoNotOptimize(out.data());
    native += Seconds(start);
  }
  tq::lang::Lang().elementBlocks = true;
  tq::SetCurrentDocument(shared);
  const double elements = double(state.iterations()) * kIndexedRows * kIndexedColumns;
  state.SetLabel(blocks ? "blocks" : "element by element");
  state.counters["engine_ns"] = 1e9 * engine / elements;
  state.counters["native_ns"] = 1e9 * native / elements;
  state.counters["ratio"] = engine / native;
}

}  // namespace

BENCHMARK(IndexedSideBySide)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ComputeEngine)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(NativeLoop)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
