#include "chart/series_functions.h"

#include <utility>

#include "lang/function_checks.h"

namespace tq {

namespace {

// The language's check and guarded evaluation, used unless a test installs
// others.
SeriesFunctions LanguageFunctions() {
  return {[](const std::string& name, std::string& message) {
            return CheckFunctionForAnalysis(name, message);
          },
          [](double x, int32_t& status) {
            return EvaluateAt(x, status, ChartLibraryState().evaluationErrorText);
          }};
}

SeriesFunctions& Installed() { return ChartLibraryState().seriesFunctions; }

}  // namespace

ChartState::ChartState() : seriesFunctions(LanguageFunctions()) {}

namespace detail {
ChartState chartState;
}

void SetSeriesFunctions(SeriesFunctions functions) { Installed() = std::move(functions); }

void UseLanguageSeriesFunctions() { Installed() = LanguageFunctions(); }

const SeriesFunctions& CurrentSeriesFunctions() { return Installed(); }

}  // namespace tq
