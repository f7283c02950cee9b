// Damaged workspace files are refused with a message and leave the
// workspace exactly as it was, in replace and in merge.
#include <chrono>

#include <gtest/gtest.h>

#include "core/element_block.h"
#include "support/scripted_ui.h"
#include "workspace/workspace_file.h"
#include "workspace_test_util.h"

namespace tq {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::F64;
using testing::FromHex;
using testing::I32;
using testing::Text;
using testing::WorkspaceSnapshot;

class WorkspaceDamageTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    valid_ = ValidFile();
    // The workspace the damaged files are opened into; x and v clash with
    // names in the file.
    Add("x", std::make_unique<VariableObject>(-1.0));
    Add("v", std::make_unique<MatrixObject>(2, 2, 4.0));
    Add("keep", std::make_unique<VectorObject>(2, 8.0));
  }

  void Add(const std::string& name, std::unique_ptr<MathObject> object) {
    object->name = name;
    AddObject(std::move(object));
  }

  // A variable, a vector, a matrix, a function and a chart with two series.
  Bytes ValidFile() {
    Add("x", std::make_unique<VariableObject>(2.5));
    Add("v", std::make_unique<VectorObject>(3, 1.0));
    Add("M", std::make_unique<MatrixObject>(2, 2, 3.0));
    auto f = std::make_unique<FunctionObject>("x*x");
    f->description = "square";
    Add("f", std::move(f));
    auto chart = std::make_unique<ChartObject>();
    for (int k = 0; k < 2; ++k) {
      auto series = std::make_unique<SeriesObject>();
      series->name = "s" + std::to_string(k);
      chart->SeriesList.push_back(std::move(series));
    }
    Add("c", std::move(chart));
    Bytes bytes = testing::WorkspaceBytes();
    document.objects.entries.clear();
    return bytes;
  }

  // Opens `bytes` in both modes; each must be refused with `message`
  // (with "%s" standing for the path) and change nothing.
  void ExpectRefused(const Bytes& bytes, const std::string& message) {
    const std::string path = dir_.Write("damaged.mts", bytes);
    std::string expected = message;
    if (size_t at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, path);
    for (bool keep : {false, true}) {
      SCOPED_TRACE(keep ? "merge" : "replace");
      const std::string before = WorkspaceSnapshot();
      ui.messages.clear();
      ui.output.clear();
      EXPECT_EQ(OpenWorkspaceFile(path, keep), 0);
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0], expected);
      EXPECT_EQ(ui.output, "");
      EXPECT_EQ(WorkspaceSnapshot(), before);
    }
  }

  // Offsets of every end marker in the valid file.
  std::vector<size_t> MarkerOffsets() const {
    std::vector<size_t> at;
    const Bytes marker = FromHex("41 42 0F 00");
    for (size_t i = 0; i + 4 <= valid_.size(); ++i)
      if (std::equal(marker.begin(), marker.end(), valid_.begin() + std::ptrdiff_t(i)))
        at.push_back(i);
    return at;
  }

  testing::TempDir dir_;
  Bytes valid_;
  const Bytes kClassHead = Concat({FromHex("FF FF 01 00 0A 00"), Text("MathObject")});
  const std::string kEndOfFile = "Unable to read workspace file\n%s\nUnexpected end of file.";
};

TEST_F(WorkspaceDamageTest, TruncationAtEveryByteIsRefused) {
  for (size_t length = 0; length < valid_.size(); ++length) {
    SCOPED_TRACE(length);
    ExpectRefused(Bytes(valid_.begin(), valid_.begin() + std::ptrdiff_t(length)), kEndOfFile);
  }
}

TEST_F(WorkspaceDamageTest, EachCorruptedMarkerIsRefused) {
  const std::vector<size_t> markers = MarkerOffsets();
  // variable, vector, matrix, function, two series, chart
  ASSERT_EQ(markers.size(), 7u);
  for (size_t k = 0; k < markers.size(); ++k) {
    SCOPED_TRACE(k);
    Bytes bytes = valid_;
    bytes[markers[k]] ^= 0x01;
    const bool series = k == 4 || k == 5;
    ExpectRefused(bytes, series ? "Invalid format of data series. Input data file invalid or "
                                  "corrupted"
                                : "Input data file invalid or corrupted");
  }
}

TEST_F(WorkspaceDamageTest, MissingSeriesEndTagIsRefused) {
  // The end tag sits just before the chart's marker.
  Bytes bytes = valid_;
  const size_t endTag = MarkerOffsets().back() - 4;
  ASSERT_EQ(Bytes(bytes.begin() + std::ptrdiff_t(endTag), bytes.begin() + std::ptrdiff_t(endTag) + 4),
            I32(12));
  bytes[endTag] = 13;
  ExpectRefused(bytes, "Invalid format of data series. Input data file invalid or corrupted");
}

TEST_F(WorkspaceDamageTest, ArchiveLevelErrorsNameTheFileAndTheProblem) {
  Bytes name = valid_;
  name[2 + 6 + 9] = 'X';
  ExpectRefused(name, "Unable to read workspace file\n%s\nUnknown object class <MathObjecX>.");
  Bytes schema = valid_;
  schema[4] = 2;
  ExpectRefused(schema, "Unable to read workspace file\n%s\nUnsupported object class version 2.");
  Bytes firstTag = valid_;
  firstTag[2] = 0x01;
  firstTag[3] = 0x80;
  ExpectRefused(firstTag, "Unable to read workspace file\n%s\nUnexpected object tag 0x8001.");
  Bytes laterTag = Concat({FromHex("02 00"), kClassHead, I32(1), FromHex("01 61"), F64(1),
                           I32(1000001), FromHex("FF FF")});
  ExpectRefused(laterTag, "Unable to read workspace file\n%s\nUnexpected object tag 0xFFFF.");
}

TEST_F(WorkspaceDamageTest, HugeSizesAreRefusedAtOnce) {
  auto start = std::chrono::steady_clock::now();
  Bytes vector = Concat({FromHex("01 00"), kClassHead, I32(2), FromHex("01 61"), I32(2147483647)});
  vector.resize(100, 0);
  ExpectRefused(vector, "Unable to read workspace file\n%s\nInvalid size of vector (2147483647).");
  // Within the limits, but more than the file holds.
  Bytes inLimits = Concat({FromHex("01 00"), kClassHead, I32(2), FromHex("01 61"), I32(100000000)});
  inLimits.resize(100, 0);
  ExpectRefused(inLimits, kEndOfFile);
  Bytes matrix = Concat({FromHex("01 00"), kClassHead, I32(3), FromHex("01 61"), I32(65536),
                         I32(65536)});
  matrix.resize(100, 0);
  ExpectRefused(matrix, "Unable to read workspace file\n%s\nInvalid size of matrix 65536x65536.");
  Bytes empty = Concat({FromHex("01 00"), kClassHead, I32(2), FromHex("01 61"), I32(0), I32(1000001)});
  ExpectRefused(empty, "Unable to read workspace file\n%s\nInvalid size of vector (0).");
  Bytes string = Concat({FromHex("01 00"), kClassHead, I32(4), FromHex("FF FF FF"), I32(2147483647)});
  string.resize(100, 0);
  ExpectRefused(string, kEndOfFile);
  Bytes count = Concat({FromHex("FF FF"), I32(-1)});
  count.resize(100, 0);
  ExpectRefused(count, "Unable to read workspace file\n%s\nUnexpected object tag 0x0000.");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(WorkspaceDamageTest, MissingFileIsRefused) {
  const std::string before = WorkspaceSnapshot();
  EXPECT_EQ(OpenWorkspaceFile(dir_.Path("absent.mts"), false), 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "Unable to read workspace file\n" + dir_.Path("absent.mts") +
                                "\nNo such file or directory");
  EXPECT_EQ(WorkspaceSnapshot(), before);
}

TEST_F(WorkspaceDamageTest, StorageThatCannotBeObtainedDropsTheObject) {
  // The file is sound; the vector it holds cannot be given storage.
  const std::string path = dir_.Write("valid.mts", valid_);
  SetAllocationFailureAfter(0);
  EXPECT_EQ(OpenWorkspaceFile(path, true), 1);
  SetAllocationFailureAfter(-1);
  EXPECT_EQ(ui.output,
            "Deleted Object <x>\r\nDeleted Matrix <v>\r\nDeleted Vector <v>\r\nDeleted Matrix "
            "<M>\r\nWorkspace loaded from file\r\n");
  EXPECT_EQ(FindObject("v", OBJMASK_ANY), nullptr);
  EXPECT_EQ(FindObject("M", OBJMASK_ANY), nullptr);
  EXPECT_NE(FindObject("f", OBJMASK_FUNCTION), nullptr);
}

}  // namespace
}  // namespace tq
