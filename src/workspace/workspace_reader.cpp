#include <new>

#include "core/string_format.h"
#include "workspace/workspace_format.h"

namespace tq {

namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassIndexTag = 0x8001;
constexpr uint16_t kClassSchema = 1;
constexpr char kClassName[] = "MathObject";

void ExpectMarker(ArchiveReader& in, WorkspaceProblem problem) {
  if (in.ReadI32() != MARKER_END) throw WorkspaceReadError(problem);
}

// The class definition that follows the new-class tag of the first object.
void ReadClassDefinition(ArchiveReader& in) {
  const uint16_t schema = in.ReadU16();
  const uint16_t length = in.ReadU16();
  in.Require(length);
  std::string name(length, '\0');
  for (char& c : name) c = char(in.ReadU8());
  if (name != kClassName) throw WorkspaceReadError(WorkspaceProblem::kClassName, name);
  if (schema != kClassSchema)
    throw WorkspaceReadError(WorkspaceProblem::kClassSchema, StringPrintf("%u", unsigned(schema)));
}

// Elements are read into an object only after the file has shown that it
// holds them all, so a damaged size never allocates. Storage that cannot be
// obtained refuses the whole file: dropping the object would lose it.
void ReadElements(ArchiveReader& in, MathObject& object, double* data, int64_t count,
                  const char* noStorage) {
  in.Require(uint64_t(count) * sizeof(double) + sizeof(int32_t));
  if (object.status != STATUS_VALID)
    throw WorkspaceReadError(WorkspaceProblem::kNoMemory, noStorage);
  in.ReadDoubles(data, uint64_t(count));
}

std::unique_ptr<MathObject> ReadVector(ArchiveReader& in) {
  const int32_t size = in.ReadI32();
  if (size < 1 || size > kMaxElements)
    throw WorkspaceReadError(WorkspaceProblem::kSize, StringPrintf("vector (%d)", size));
  in.Require(uint64_t(size) * sizeof(double) + sizeof(int32_t));
  auto vector = std::make_unique<VectorObject>(size, 0.0);
  ReadElements(in, *vector, vector->data(), size, "unable allocate vector");
  return vector;
}

std::unique_ptr<MathObject> ReadMatrix(ArchiveReader& in) {
  const int32_t rows = in.ReadI32();
  const int32_t columns = in.ReadI32();
  if (rows < 1 || columns < 1 || int64_t{rows} * columns > kMaxElements)
    throw WorkspaceReadError(WorkspaceProblem::kSize,
                             StringPrintf("matrix %dx%d", rows, columns));
  const int64_t count = int64_t{rows} * columns;
  in.Require(uint64_t(count) * sizeof(double) + sizeof(int32_t));
  auto matrix = std::make_unique<MatrixObject>(columns, rows, 0.0);
  ReadElements(in, *matrix, matrix->data(), count, "unable allocate matrix");
  return matrix;
}

std::unique_ptr<MathObject> ReadFunction(ArchiveReader& in) {
  std::string description = in.ReadString();
  std::string body = in.ReadString();
  auto function = std::make_unique<FunctionObject>(std::move(body));
  function->description = std::move(description);
  return function;
}

bool InList(int32_t value, int32_t count) { return value >= 0 && value < count; }

// A drawing field outside its list would index past the dialogs' lists and
// overflow the marker geometry. Such a value is read as the entry that draws
// as it drew: a solid black line without markers; a marker size is clamped.
void KeepDrawingFieldsInLists(SeriesObject& series) {
  if (!InList(series.LineType, kLineTypeCount)) series.LineType = 1;
  if (!InList(series.LineColor, kLineColorCount)) series.LineColor = 1;
  if (!InList(series.MarkerShape, kMarkerShapeCount)) series.MarkerShape = 0;
  if (series.MarkerSize < 0) series.MarkerSize = 0;
  if (series.MarkerSize >= kMarkerSizeCount) series.MarkerSize = kMarkerSizeCount - 1;
}

// One series record after its tag; nullptr when its kind is not a series.
std::unique_ptr<SeriesObject> ReadSeries(ArchiveReader& in) {
  auto series = std::make_unique<SeriesObject>();
  const int32_t kind = in.ReadI32();
  series->name = in.ReadString();
  series->Label = in.ReadString();
  series->Source1 = in.ReadString();
  series->Source2 = in.ReadString();
  series->Reserved = in.ReadI32();
  series->SeriesType = in.ReadI32();
  series->LineType = in.ReadI32();
  series->LineColor = in.ReadI32();
  series->MarkerShape = in.ReadI32();
  series->MarkerSize = in.ReadI32();
  series->RangeMax = in.ReadDouble();
  series->RangeMin = in.ReadDouble();
  series->PointCount = in.ReadDouble();
  ExpectMarker(in, WorkspaceProblem::kSeriesFormat);
  if (kind != KIND_SERIES) return nullptr;
  KeepDrawingFieldsInLists(*series);
  return series;
}

std::unique_ptr<MathObject> ReadChart(ArchiveReader& in) {
  auto chart = std::make_unique<ChartObject>();
  chart->SeriesCount = in.ReadI32();
  chart->Reserved = in.ReadI32();
  chart->Options = in.ReadI32();
  chart->Title = in.ReadString();
  chart->XLabel = in.ReadString();
  chart->YLabel = in.ReadString();
  chart->XMax = in.ReadDouble();
  chart->YMax = in.ReadDouble();
  chart->XMin = in.ReadDouble();
  chart->YMin = in.ReadDouble();
  const int32_t count = in.ReadI32();
  chart->SeriesList.clear();
  // The count may exceed the records (series that were not valid are not
  // written); the end tag closes the list.
  bool ended = false;
  for (int32_t i = 0; i < count && !ended; ++i) {
    const int32_t tag = in.ReadI32();
    if (tag == SERIES_END_TAG) {
      ended = true;
    } else if (tag == SERIES_TAG) {
      if (auto series = ReadSeries(in)) chart->SeriesList.push_back(std::move(series));
    }
  }
  if (!ended && in.ReadI32() != SERIES_END_TAG)
    throw WorkspaceReadError(WorkspaceProblem::kSeriesFormat);
  return chart;
}

WorkspaceRecord ReadRecord(ArchiveReader& in) {
  WorkspaceRecord record;
  const int32_t kind = in.ReadI32();
  record.name = in.ReadString();
  switch (kind) {
    case KIND_VARIABLE: record.object = std::make_unique<VariableObject>(in.ReadDouble()); break;
    case KIND_VECTOR: record.object = ReadVector(in); break;
    case KIND_MATRIX: record.object = ReadMatrix(in); break;
    case KIND_FUNCTION: record.object = ReadFunction(in); break;
    case KIND_CHART: record.object = ReadChart(in); break;
    default: return record;  // kind and name only, nothing built
  }
  ExpectMarker(in, WorkspaceProblem::kRecordMarker);
  record.object->name = record.name;
  return record;
}

uint32_t ReadObjectCount(ArchiveReader& in) {
  const uint16_t count = in.ReadU16();
  return count == 0xFFFF ? in.ReadU32() : count;
}

}  // namespace

WorkspaceContents ReadWorkspace(ArchiveReader& in) {
  WorkspaceContents contents;
  try {
    const uint32_t count = ReadObjectCount(in);
    for (uint32_t i = 0; i < count; ++i) {
      const uint16_t tag = in.ReadU16();
      const uint16_t expected = i == 0 ? kNewClassTag : kClassIndexTag;
      if (tag != expected)
        throw WorkspaceReadError(WorkspaceProblem::kClassTag,
                                 StringPrintf("0x%04X", unsigned(tag)));
      if (i == 0) ReadClassDefinition(in);
      contents.records.push_back(ReadRecord(in));
    }
  } catch (const WorkspaceReadError& error) {
    contents.records.clear();
    contents.problem = error.problem;
    contents.detail = error.detail;
  } catch (const std::bad_alloc&) {
    contents.records.clear();
    contents.problem = WorkspaceProblem::kNoMemory;
  }
  return contents;
}

}  // namespace tq
