// The named objects of a workspace: variables, vectors, matrices, functions,
// charts and the series inside charts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/element_block.h"

namespace tq {

enum ObjectKind : int32_t {
  KIND_NONE = 0,
  KIND_VARIABLE = 1,
  KIND_VECTOR = 2,
  KIND_MATRIX = 3,
  KIND_FUNCTION = 4,
  KIND_CHART = 5,
  KIND_SERIES = 6,
};

enum ObjectStatus : int32_t {
  STATUS_VALID = 1,
  STATUS_EMPTY = 0,
  STATUS_ALLOC_FAILED = -1,
  STATUS_FAILED = -2,
  STATUS_DESTROYED = -3,
};

// Object-kind mask of every lookup, enumeration and list filling.
enum : uint32_t {
  OBJMASK_VARIABLE = 0x01,
  OBJMASK_VECTOR = 0x02,
  OBJMASK_MATRIX = 0x04,
  OBJMASK_FUNCTION = 0x08,
  OBJMASK_CHART = 0x10,
  OBJMASK_ANY = 0x20000000u,
  OBJMASK_NAMES_ONLY = 0x40000000u,
  OBJMASK_WITH_FAILED = 0x80000000u,
};

// Largest element count of a vector or a matrix.
inline constexpr int64_t kMaxElements = 100000000;

class MathObject {
 public:
  MathObject() = default;
  virtual ~MathObject();
  MathObject(const MathObject&) = delete;
  MathObject& operator=(const MathObject&) = delete;

  int32_t kind = KIND_NONE;
  int32_t status = STATUS_EMPTY;
  // Set before the object joins a list; the list indexes it by name, so a
  // listed object is renamed only with RenameObject.
  std::string name;

 protected:
  explicit MathObject(int32_t objectKind) : kind(objectKind) {}
};

class VariableObject : public MathObject {
 public:
  explicit VariableObject(double initial);
  double value;
};

class VectorObject : public MathObject {
 public:
  // Sizes outside 1..kMaxElements or storage that cannot be obtained leave
  // status -1 and an OPERR_ALLOC error.
  VectorObject(int32_t size, double initial);

  // Element i, counted from 1.
  double& at(int32_t i) {
    TQ_CHECK_ELEMENT_INDEX(i, int64_t(elements.size()));
    return elements.data()[i - 1];
  }
  double at(int32_t i) const {
    TQ_CHECK_ELEMENT_INDEX(i, int64_t(elements.size()));
    return elements.data()[i - 1];
  }
  double* data() { return elements.data(); }
  const double* data() const { return elements.data(); }

  int32_t size = 0;
  ElementBlock elements;
};

class MatrixObject : public MathObject {
 public:
  // Note the argument order: columns first.
  MatrixObject(int32_t columns, int32_t rows, double initial);

  // Element [i][j], row i and column j counted from 1; rows lie in order.
  double& at(int32_t i, int32_t j) {
    CheckIndexes(i, j);
    return elements.data()[RowStart(i) + (j - 1)];
  }
  double at(int32_t i, int32_t j) const {
    CheckIndexes(i, j);
    return elements.data()[RowStart(i) + (j - 1)];
  }
  double* row(int32_t i) { return elements.data() + RowStart(i); }
  const double* row(int32_t i) const { return elements.data() + RowStart(i); }
  double* data() { return elements.data(); }
  const double* data() const { return elements.data(); }
  int64_t count() const { return int64_t{rows} * columns; }

  int32_t columns = 0;
  int32_t rows = 0;
  ElementBlock elements;

 private:
  size_t RowStart(int32_t i) const { return size_t(i - 1) * size_t(columns); }
  void CheckIndexes([[maybe_unused]] int32_t i, [[maybe_unused]] int32_t j) const {
    TQ_CHECK_ELEMENT_INDEX(i, elements.size() ? rows : 0);
    TQ_CHECK_ELEMENT_INDEX(j, columns);
  }
};

class FunctionObject : public MathObject {
 public:
  explicit FunctionObject(std::string bodyText);
  std::string body;
  std::string description;
};

// Entries in the lists of a series' drawing fields (line type, line colour,
// marker shape, marker size), each numbered from 0.
inline constexpr int32_t kLineTypeCount = 3;
inline constexpr int32_t kLineColorCount = 9;
inline constexpr int32_t kMarkerShapeCount = 6;
inline constexpr int32_t kMarkerSizeCount = 6;

class SeriesObject : public MathObject {
 public:
  SeriesObject();
  std::string Label, Source1, Source2;
  int32_t Reserved = 0;
  int32_t SeriesType = 1;
  int32_t LineType = 1;
  int32_t LineColor = 1;
  int32_t MarkerShape = 1;
  int32_t MarkerSize = 3;
  double RangeMax = 10.0;
  double RangeMin = 1.0;
  double PointCount = 10.0;

  // Run-time fields, not stored: the points computed for one display.
  // XData and YData are vectors of the object list (two-vector series) or
  // temporary vectors; elements 1..Count are the points.
  int32_t Count = 0;
  int32_t Ready = 0;
  VectorObject* XData = nullptr;
  VectorObject* YData = nullptr;
};

// The ticks of one chart axis: multiples of TickStep from TickMin to TickMax,
// TickCount intervals.
struct TickLayout {
  double TickMin = 0.0;
  double TickMax = 0.0;
  double TickStep = 0.0;
  int32_t TickCount = 0;
  int32_t valid = 0;
};

// ChartObject::Options.
enum : int32_t {
  CHART_AUTO_RANGE = 0x01,  // range from the data instead of the user range
  CHART_SHOW_TITLE = 0x02,
  CHART_SHOW_XLABEL = 0x04,
  CHART_SHOW_YLABEL = 0x08,
  CHART_GRIDLINES = 0x10,
  CHART_POLAR = 0x20,  // each point is (angle in radians, radius)
};

class ChartObject : public MathObject {
 public:
  ChartObject();
  ~ChartObject() override;
  int32_t SeriesCount = 0;
  int32_t Reserved = 0;
  int32_t Options = CHART_AUTO_RANGE | CHART_GRIDLINES;
  std::string Title;
  std::string XLabel = "X";
  std::string YLabel = "Y";
  double XMax = 10.0, YMax = 10.0, XMin = -10.0, YMin = -10.0;
  std::vector<std::unique_ptr<SeriesObject>> SeriesList;

  // Run-time fields, not stored: recomputed on every display.
  int32_t ReadySeries = 0;
  double ViewXMax = 0.0, ViewYMax = 0.0, ViewXMin = 0.0, ViewYMin = 0.0;
  TickLayout XTicks;
  TickLayout YTicks;
};

}  // namespace tq
