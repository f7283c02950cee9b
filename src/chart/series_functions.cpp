#include "chart/series_functions.h"

#include <utility>

namespace tq {

namespace {

SeriesFunctions& Installed() {
  static SeriesFunctions functions;
  return functions;
}

}  // namespace

void SetSeriesFunctions(SeriesFunctions functions) { Installed() = std::move(functions); }

const SeriesFunctions& CurrentSeriesFunctions() { return Installed(); }

}  // namespace tq
