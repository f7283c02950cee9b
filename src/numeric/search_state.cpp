#include "numeric/search_state.h"

namespace tq {

namespace detail {
NumericState numericState;
}

namespace {

size_t Index(SearchKind kind) { return static_cast<size_t>(kind); }

}  // namespace

void SearchResultStore::Store(double at, double value) {
  if (!SaveResults || Count >= kMaxStoredResults) return;
  x[size_t(Count)] = at;
  fx[size_t(Count)] = value;
  ++Count;
}

SearchParameters& ParametersOf(SearchKind kind) { return Numeric().parameters[Index(kind)]; }
IntegralParameters& IntegralSettings() { return Numeric().integral; }
SearchResultStore& SearchResults() { return Numeric().results; }
SearchCounters& CountersOf(SearchKind kind) { return Numeric().counters[Index(kind)]; }

void ResetSearchState() { Numeric() = NumericState{}; }

}  // namespace tq
