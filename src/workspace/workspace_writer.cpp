#include <cmath>

#include "workspace/workspace_format.h"

namespace tq {

namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassIndexTag = 0x8001;
constexpr uint16_t kClassSchema = 1;
constexpr char kClassName[] = "MathObject";

void WriteVariable(ArchiveWriter& out, const VariableObject& variable) {
  out.WriteDouble(std::isnan(variable.value) ? 0.0 : variable.value);
}

void WriteVector(ArchiveWriter& out, const VectorObject& vector) {
  out.WriteI32(vector.size);
  out.WriteDoubles(vector.elements.span());
}

void WriteMatrix(ArchiveWriter& out, const MatrixObject& matrix) {
  out.WriteI32(matrix.rows);
  out.WriteI32(matrix.columns);
  out.WriteDoubles(matrix.elements.span());
}

void WriteFunction(ArchiveWriter& out, const FunctionObject& function) {
  out.WriteString(function.description);
  out.WriteString(function.body);
}

void WriteSeries(ArchiveWriter& out, const SeriesObject& series) {
  out.WriteI32(SERIES_TAG);
  out.WriteI32(KIND_SERIES);
  out.WriteString(series.name);
  out.WriteString(series.Label);
  out.WriteString(series.Source1);
  out.WriteString(series.Source2);
  out.WriteI32(series.Reserved);
  out.WriteI32(series.SeriesType);
  out.WriteI32(series.LineType);
  out.WriteI32(series.LineColor);
  out.WriteI32(series.MarkerShape);
  out.WriteI32(series.MarkerSize);
  out.WriteDouble(series.RangeMax);
  out.WriteDouble(series.RangeMin);
  out.WriteDouble(series.PointCount);
  out.WriteI32(MARKER_END);
}

// The count covers the whole series list; only valid series are written,
// and the reader relies on the end tag.
void WriteChart(ArchiveWriter& out, const ChartObject& chart) {
  out.WriteI32(chart.SeriesCount);
  out.WriteI32(chart.Reserved);
  out.WriteI32(chart.Options);
  out.WriteString(chart.Title);
  out.WriteString(chart.XLabel);
  out.WriteString(chart.YLabel);
  out.WriteDouble(chart.XMax);
  out.WriteDouble(chart.YMax);
  out.WriteDouble(chart.XMin);
  out.WriteDouble(chart.YMin);
  out.WriteI32(int32_t(chart.SeriesList.size()));
  for (const auto& series : chart.SeriesList)
    if (series && series->status == STATUS_VALID) WriteSeries(out, *series);
  out.WriteI32(SERIES_END_TAG);
}

}  // namespace

void WriteObjectRecord(ArchiveWriter& out, const MathObject& object) {
  out.WriteI32(object.kind);
  out.WriteString(object.name);
  switch (object.kind) {
    case KIND_VARIABLE: WriteVariable(out, static_cast<const VariableObject&>(object)); break;
    case KIND_VECTOR: WriteVector(out, static_cast<const VectorObject&>(object)); break;
    case KIND_MATRIX: WriteMatrix(out, static_cast<const MatrixObject&>(object)); break;
    case KIND_FUNCTION: WriteFunction(out, static_cast<const FunctionObject&>(object)); break;
    case KIND_CHART: WriteChart(out, static_cast<const ChartObject&>(object)); break;
    default: return;  // kind and name only
  }
  out.WriteI32(MARKER_END);
}

void WriteWorkspace(ArchiveWriter& out, const ObjectList& list) {
  uint32_t count = 0;
  for (const auto& entry : list.entries())
    if (entry && entry->status == STATUS_VALID) ++count;
  if (count < 0xFFFF) {
    out.WriteU16(uint16_t(count));
  } else {
    out.WriteU16(0xFFFF);
    out.WriteU32(count);
  }
  bool first = true;
  for (const auto& entry : list.entries()) {
    if (!entry || entry->status != STATUS_VALID) continue;
    if (first) {
      out.WriteU16(kNewClassTag);
      out.WriteU16(kClassSchema);
      out.WriteU16(uint16_t(sizeof kClassName - 1));
      out.WriteChars(kClassName);
      first = false;
    } else {
      out.WriteU16(kClassIndexTag);
    }
    WriteObjectRecord(out, *entry);
  }
}

}  // namespace tq
