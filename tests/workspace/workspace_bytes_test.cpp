// The bytes of a workspace file: the worked layouts, every string and
// count form, and byte-identical round trips.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "workspace/workspace_file.h"
#include "workspace/workspace_format.h"
#include "workspace_test_util.h"

namespace tq::testing {
namespace {

class WorkspaceBytesTest : public WorkspaceTest {
 protected:
  VariableObject& Variable(const std::string& name, double value) {
    return Add(name, std::make_unique<VariableObject>(value));
  }
  static WorkspaceContents Parse(const Bytes& bytes) {
    MemorySource source(bytes);
    ArchiveReader reader(source);
    return ReadWorkspace(reader);
  }
  // Replaces the workspace with what `bytes` holds.
  void Load(const Bytes& bytes) {
    WorkspaceContents contents = Parse(bytes);
    ASSERT_TRUE(contents.ok()) << int(contents.problem);
    ApplyWorkspaceContents(std::move(contents), false);
  }
};

TEST_F(WorkspaceBytesTest, EmptyWorkspaceIsTwoZeroBytes) {
  Variable("x", 1.0).status = STATUS_FAILED;  // neither counted nor written
  EXPECT_EQ(WorkspaceBytes(), FromHex("00 00"));
  Load(FromHex("00 00"));
  EXPECT_TRUE(document.objects.empty());
  EXPECT_EQ(ui.output, "Deleted object <x>\r\nWorkspace loaded from file\r\n");
}

TEST_F(WorkspaceBytesTest, VariablesAfterTheFirstCarryTheClassIndexTag) {
  Variable("x", 2.5);
  Variable("y", 1.0);
  EXPECT_EQ(WorkspaceBytes(), Concat({FromHex("02 00"), kClassHead, FromHex("01 00 00 00 01 78"),
                                      FromHex("00 00 00 00 00 00 04 40"), kMarker,
                                      FromHex("01 80 01 00 00 00 01 79"), F64(1.0), kMarker}));
}

TEST_F(WorkspaceBytesTest, MatrixStoresRowsBeforeColumnsAndElementsRowByRow) {
  auto& m = Add("M", std::make_unique<MatrixObject>(3, 2, 0.0));
  for (int i = 1; i <= 2; ++i)
    for (int j = 1; j <= 3; ++j) m.at(i, j) = 10 * i + j;
  EXPECT_EQ(WorkspaceBytes(),
            Concat({FromHex("01 00"), kClassHead, I32(3), FromHex("01 4D"), I32(2), I32(3), F64(11),
                    F64(12), F64(13), F64(21), F64(22), F64(23), kMarker}));
}

TEST_F(WorkspaceBytesTest, ChartCountsEverySeriesButWritesOnlyValidOnes) {
  auto& chart = Add("c", std::make_unique<ChartObject>());
  for (const char* name : {"s1", "s2"}) {
    chart.SeriesList.push_back(std::make_unique<SeriesObject>());
    chart.SeriesList.back()->name = name;
  }
  chart.SeriesList[0]->status = STATUS_FAILED;
  Bytes series = Concat({I32(11), I32(6), FromHex("02 73 32 00 00 00"), I32(0), I32(1), I32(1), I32(1),
                         I32(1), I32(3), F64(10), F64(1), F64(10), kMarker});
  Bytes expected = Concat({FromHex("01 00"), kClassHead, I32(5), FromHex("01 63"), I32(0), I32(0), I32(17),
                           FromHex("00 01 58 01 59"), F64(10), F64(10), F64(-10), F64(-10), I32(2),
                           series, I32(12), kMarker});
  EXPECT_EQ(WorkspaceBytes(), expected);
  Load(expected);
  auto* read = dynamic_cast<ChartObject*>(FindObject("c", OBJMASK_CHART));
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->SeriesList.size(), 1u);
  EXPECT_EQ(read->SeriesList[0]->name, "s2");
}

TEST_F(WorkspaceBytesTest, StringLengthForms) {
  const std::pair<size_t, Bytes> rows[] = {{254, FromHex("FE")},
                                           {255, FromHex("FF FF 00")},
                                           {65533, FromHex("FF FD FF")},
                                           {65534, FromHex("FF FF FF FE FF 00 00")},
                                           {70000, Concat({FromHex("FF FF FF"), I32(70000)})}};
  const std::ptrdiff_t at = 2 + 16 + 4 + 2 + 2;  // count, class, kind, name "f"
  for (const auto& [length, head] : rows) {
    SCOPED_TRACE(length);
    DeleteAllObjects();
    Add("f", std::make_unique<FunctionObject>(std::string(length, 'a'))).description = "d";
    const Bytes bytes = WorkspaceBytes();
    EXPECT_EQ(Bytes(bytes.begin() + at, bytes.begin() + at + std::ptrdiff_t(head.size())), head);
    Load(bytes);
    EXPECT_EQ(WorkspaceBytes(), bytes);
  }
}

TEST_F(WorkspaceBytesTest, ReaderTakesTwoByteCharacterStringsAndUnknownKinds) {
  // "ab" as UTF-16 code units with a one-byte length.
  Load(Concat({FromHex("01 00"), kClassHead, I32(1), FromHex("FF FE FF 02 61 00 62 00"), F64(1.5), kMarker}));
  EXPECT_NE(FindObject("ab", OBJMASK_VARIABLE), nullptr);
  // The length restarts in its 2-byte form; U+20AC has no single-byte form.
  Load(Concat({FromHex("01 00"), kClassHead, I32(1), FromHex("FF FE FF FF 02 00 63 00 AC 20"), F64(1.5),
               kMarker}));
  EXPECT_EQ(Names(), Lines{"c?"});
  // An unknown kind is its kind and name only, and is dropped.
  Load(Concat({FromHex("02 00"), kClassHead, I32(9), FromHex("03 6F 6C 64"), FromHex("01 80"), I32(1),
               FromHex("01 78"), F64(3.0), kMarker}));
  EXPECT_EQ(Names(), Lines{"x"});
}

TEST_F(WorkspaceBytesTest, LongObjectCountForm) {
  for (int i = 0; i < 65535; ++i) Variable("v" + std::to_string(i), i);
  Bytes bytes = WorkspaceBytes();
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 6), FromHex("FF FF FF FF 00 00"));
  WorkspaceContents contents = Parse(bytes);
  ASSERT_TRUE(contents.ok());
  EXPECT_EQ(contents.records.size(), 65535u);
}

TEST_F(WorkspaceBytesTest, EveryKindRoundTripsByteForByte) {
  Variable("x", -0.0);
  Variable("n", std::numeric_limits<double>::quiet_NaN());  // stored as +0
  auto& v = Add("v", std::make_unique<VectorObject>(3, 0.0));
  v.at(1) = std::numeric_limits<double>::infinity();
  v.at(2) = std::numeric_limits<double>::quiet_NaN();
  v.at(3) = -1e-310;
  Add("M", std::make_unique<MatrixObject>(2, 3, 0.25)).at(3, 2) = -7;
  Add("f", std::make_unique<FunctionObject>("x^2+\r\n1")).description = "a square";
  auto& chart = Add("c", std::make_unique<ChartObject>());
  // Every field differs from its default, so a field the reader skips shows.
  chart.SeriesCount = 3;
  chart.Reserved = 5;
  chart.Options = 0x7FFFFFFF;
  chart.Title = std::string(300, 't');
  chart.XMin = -1e9;
  for (int k = 0; k < 2; ++k) {
    auto series = std::make_unique<SeriesObject>();
    series->name = "s" + std::to_string(k);
    series->Label = "label";
    series->Source1 = "f";
    series->Source2 = k ? "v" : "";
    series->Reserved = 9;
    series->SeriesType = 2 + k;
    series->LineType = 3;
    series->LineColor = 0xFF00FF;
    series->MarkerShape = 4;
    series->MarkerSize = 7;
    series->RangeMax = 2.5;
    series->RangeMin = -2.5;
    series->PointCount = 101;
    chart.SeriesList.push_back(std::move(series));
  }
  const Bytes first = WorkspaceBytes();
  Load(first);
  EXPECT_EQ(WorkspaceBytes(), first);
  EXPECT_EQ(document.objects.size(), 6u);
  auto* n = dynamic_cast<VariableObject*>(FindObject("n", OBJMASK_VARIABLE));
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->value, 0.0);
  EXPECT_FALSE(std::signbit(n->value));
}

}  // namespace
}  // namespace tq::testing
