#include "numeric/search_state.h"

namespace tq {

namespace {

struct SearchState {
  std::array<SearchParameters, 3> parameters;
  std::array<SearchCounters, 3> counters;
  IntegralParameters integral;
  SearchResultStore results;
};

SearchState& State() {
  static SearchState state;
  return state;
}

size_t Index(SearchKind kind) { return static_cast<size_t>(kind); }

}  // namespace

void SearchResultStore::Store(double at, double value) {
  if (!SaveResults || Count >= kMaxStoredResults) return;
  x[size_t(Count)] = at;
  fx[size_t(Count)] = value;
  ++Count;
}

SearchParameters& ParametersOf(SearchKind kind) { return State().parameters[Index(kind)]; }
IntegralParameters& IntegralSettings() { return State().integral; }
SearchResultStore& SearchResults() { return State().results; }
SearchCounters& CountersOf(SearchKind kind) { return State().counters[Index(kind)]; }

void ResetSearchState() { State() = SearchState{}; }

}  // namespace tq
