// Objects for chart tests: vectors and functions in the current workspace,
// series in a chart.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/math_object.h"
#include "core/object_list.h"

namespace tq::testing {

inline VectorObject* PutVector(const char* name, const std::vector<double>& values) {
  auto v = std::make_unique<VectorObject>(int32_t(values.size()), 0.0);
  for (size_t i = 0; i < values.size(); ++i) v->at(int32_t(i + 1)) = values[i];
  v->name = name;
  VectorObject* raw = v.get();
  AddObject(std::move(v));
  return raw;
}

// A valid function object; the fake series functions know it by its body.
inline FunctionObject* PutFunction(const char* name, const char* body) {
  auto f = std::make_unique<FunctionObject>(body);
  f->name = name;
  f->status = STATUS_VALID;
  FunctionObject* raw = f.get();
  AddObject(std::move(f));
  return raw;
}

inline SeriesObject& AddSeries(ChartObject& chart, int32_t type, std::string source1,
                               std::string source2) {
  auto s = std::make_unique<SeriesObject>();
  s->SeriesType = type;
  s->Source1 = std::move(source1);
  s->Source2 = std::move(source2);
  chart.SeriesList.push_back(std::move(s));
  return *chart.SeriesList.back();
}

}  // namespace tq::testing
