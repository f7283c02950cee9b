// How the point computation reaches user functions: a check that compiles a
// function for analysis and an evaluation of the compiled function. The
// front end installs the language's functions; tests install fakes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tq {

struct SeriesFunctions {
  // Compiles the named function and checks it; 0 on success, otherwise
  // non-zero with the message to show (possibly empty).
  std::function<int32_t(const std::string& name, std::string& message)> check;
  // Evaluates the function last checked at x; status 0 on success.
  std::function<double(double x, int32_t& status)> evaluate;
};

// The chart library's part of the session.
struct ChartState {
  ChartState();
  SeriesFunctions seriesFunctions;
  // The language's evaluation writes its message here: no allocation per point.
  std::string evaluationErrorText;
};

namespace detail {
extern ChartState chartState;
}

inline ChartState& ChartLibraryState() { return detail::chartState; }

// With empty functions installed every function series is left out silently.
void SetSeriesFunctions(SeriesFunctions functions);
// Back to the language's functions.
void UseLanguageSeriesFunctions();
const SeriesFunctions& CurrentSeriesFunctions();

}  // namespace tq
