// What the searches and the integral keep for the whole session: the last
// parameters of each kind, and the one store of found points.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tq {

enum class SearchKind { kRoots, kMinimums, kMaximums };

struct SearchParameters {
  double Lower = -100.0;
  double Upper = 100.0;
  int32_t Intervals = 1000;
  double Tolerance = 1e-12;
  int32_t MaxIterations = 10000;
  std::string FunctionName;
};

struct IntegralParameters {
  double Lower = -100.0;
  double Upper = 100.0;
  double AbsTolerance = 1e-20;
  double RelTolerance = 1e-10;
  std::string FunctionName;
};

inline constexpr int32_t kMaxStoredResults = 1000;

// Results of the last search, in the order found; the first 1000 are kept.
struct SearchResultStore {
  std::array<double, kMaxStoredResults> x{};
  std::array<double, kMaxStoredResults> fx{};
  int32_t Count = 0;
  bool SaveResults = true;

  void Store(double at, double value);
};

// Counters of one run, zeroed when it starts.
struct SearchCounters {
  int32_t found = 0;
  int32_t toleranceWarnings = 0;
  int32_t discontinuityWarnings = 0;
};

// The numeric library's part of the session.
struct NumericState {
  std::array<SearchParameters, 3> parameters;
  std::array<SearchCounters, 3> counters;
  IntegralParameters integral;
  SearchResultStore results;
  // The last root and extremums (minimums, maximums) reported, so that one
  // found twice is reported once.
  double lastReportedRoot = 0.0;
  double lastReportedExtremum[2] = {0.0, 0.0};
  // The integrand's latest abscissa, and whether f has not yet returned a
  // valid value there.
  double integrandLastX = 0.0;
  int32_t inIntegrand = 0;
};

namespace detail {
extern NumericState numericState;
}

inline NumericState& Numeric() { return detail::numericState; }

SearchParameters& ParametersOf(SearchKind kind);
IntegralParameters& IntegralSettings();
SearchResultStore& SearchResults();
SearchCounters& CountersOf(SearchKind kind);

// Back to the values at program start (tests start from them).
void ResetSearchState();

}  // namespace tq
