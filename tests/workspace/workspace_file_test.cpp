// Opening and saving workspace files. Damaged files are refused with a
// message and leave the workspace exactly as it was, in replace and in merge;
// saving goes through a temporary file and never damages the file it replaces.
#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/element_block.h"
#include "workspace/workspace_file.h"
#include "workspace_test_util.h"

namespace tq::testing {
namespace {

const std::string kCorrupt = "Input data file invalid or corrupted";
const std::string kSeries = "Invalid format of data series. " + kCorrupt;
const std::string kCannotRead = "Unable to read workspace file\n%s\n";

class WorkspaceFileTest : public WorkspaceTest {
 protected:
  void SetUp() override {
    WorkspaceTest::SetUp();
    // A variable, a vector, a matrix, a function and a chart with two series.
    Add("x", std::make_unique<VariableObject>(2.5));
    Add("v", std::make_unique<VectorObject>(3, 1.0));
    Add("M", std::make_unique<MatrixObject>(2, 2, 3.0));
    Add("f", std::make_unique<FunctionObject>("x*x")).description = "square";
    auto& chart = Add("c", std::make_unique<ChartObject>());
    for (const char* name : {"s0", "s1"}) {
      chart.SeriesList.push_back(std::make_unique<SeriesObject>());
      chart.SeriesList.back()->name = name;
    }
    valid_ = WorkspaceBytes();
    document.objects.entries.clear();
    // The workspace the files are opened into; x and v clash with the file.
    Add("x", std::make_unique<VariableObject>(-1.0));
    Add("v", std::make_unique<MatrixObject>(2, 2, 4.0));
    Add("keep", std::make_unique<VectorObject>(2, 8.0));
  }

  // Opens `bytes` in both modes; each must be refused with `message` ("%s"
  // standing for the path) and change nothing.
  void ExpectRefused(const Bytes& bytes, std::string message) {
    const std::string path = Write("damaged.mts", bytes);
    if (size_t at = message.find("%s"); at != std::string::npos) message.replace(at, 2, path);
    for (bool keep : {false, true}) {
      SCOPED_TRACE(keep ? "merge" : "replace");
      const std::string before = WorkspaceSnapshot();
      ui.messages.clear();
      ui.output.clear();
      EXPECT_EQ(OpenWorkspaceFile(path, keep), 0);
      EXPECT_EQ(ui.messages, Lines{message});
      EXPECT_EQ(ui.output, "");
      EXPECT_EQ(WorkspaceSnapshot(), before);
    }
  }
  // A file of one record of `kind` whose bytes start with `head`, padded to 100 bytes.
  Bytes Record(int32_t kind, const Bytes& head, size_t size = 100) {
    Bytes bytes = Concat({FromHex("01 00"), kClassHead, I32(kind), head});
    bytes.resize(std::max(size, bytes.size()), 0);
    return bytes;
  }

  size_t FilesInDir() const {
    auto files = std::filesystem::directory_iterator(Path(""));
    return size_t(std::distance(begin(files), end(files)));
  }

  Bytes valid_;
};

TEST_F(WorkspaceFileTest, TruncationAtEveryByteIsRefused) {
  for (size_t length = 0; length < valid_.size(); ++length) {
    SCOPED_TRACE(length);
    ExpectRefused(Bytes(valid_.begin(), valid_.begin() + std::ptrdiff_t(length)),
                  kCannotRead + "Unexpected end of file.");
  }
}

TEST_F(WorkspaceFileTest, EachCorruptedMarkerOrSeriesEndTagIsRefused) {
  std::vector<size_t> markers;
  for (size_t i = 0; i + 4 <= valid_.size(); ++i)
    if (std::equal(kMarker.begin(), kMarker.end(), valid_.begin() + std::ptrdiff_t(i))) markers.push_back(i);
  ASSERT_EQ(markers.size(), 7u);  // variable, vector, matrix, function, two series, chart
  for (size_t k = 0; k < markers.size(); ++k) {
    SCOPED_TRACE(k);
    Bytes bytes = valid_;
    bytes[markers[k]] ^= 0x01;
    ExpectRefused(bytes, k == 4 || k == 5 ? kSeries : kCorrupt);
  }
  // The series end tag 12 sits just before the chart's marker.
  Bytes bytes = valid_;
  const auto endTag = bytes.begin() + std::ptrdiff_t(markers.back() - 4);
  ASSERT_EQ(Bytes(endTag, endTag + 4), I32(12));
  *endTag = 13;
  ExpectRefused(bytes, kSeries);
}

TEST_F(WorkspaceFileTest, ArchiveLevelErrorsNameTheFileAndTheProblem) {
  Bytes name = valid_, schema = valid_, firstTag = valid_;
  name[2 + 6 + 9] = 'X';
  schema[4] = 2;
  firstTag[2] = 0x01;
  firstTag[3] = 0x80;
  ExpectRefused(name, kCannotRead + "Unknown object class <MathObjecX>.");
  ExpectRefused(schema, kCannotRead + "Unsupported object class version 2.");
  ExpectRefused(firstTag, kCannotRead + "Unexpected object tag 0x8001.");
  ExpectRefused(Concat({FromHex("02 00"), kClassHead, I32(1), FromHex("01 61"), F64(1), I32(1000001),
                        FromHex("FF FF")}),
                kCannotRead + "Unexpected object tag 0xFFFF.");
  const std::string before = WorkspaceSnapshot();
  EXPECT_EQ(OpenWorkspaceFile(Path("absent.mts"), false), 0);
  EXPECT_EQ(ui.messages.back(), "Unable to read workspace file\n" + Path("absent.mts") + "\nNo such file or directory");
  EXPECT_EQ(WorkspaceSnapshot(), before);
}

TEST_F(WorkspaceFileTest, HugeSizesAreRefusedAtOnce) {
  auto start = std::chrono::steady_clock::now();
  ExpectRefused(Record(2, Concat({FromHex("01 61"), I32(2147483647)})),
                kCannotRead + "Invalid size of vector (2147483647).");
  // Within the limits, but more than the file holds.
  ExpectRefused(Record(2, Concat({FromHex("01 61"), I32(100000000)})), kCannotRead + "Unexpected end of file.");
  ExpectRefused(Record(3, Concat({FromHex("01 61"), I32(65536), I32(65536)})),
                kCannotRead + "Invalid size of matrix 65536x65536.");
  ExpectRefused(Record(2, Concat({FromHex("01 61"), I32(0), I32(1000001)}), 0),
                kCannotRead + "Invalid size of vector (0).");
  ExpectRefused(Record(4, Concat({FromHex("FF FF FF"), I32(2147483647)})), kCannotRead + "Unexpected end of file.");
  Bytes count = Concat({FromHex("FF FF"), I32(-1), Bytes(94, 0)});
  ExpectRefused(count, kCannotRead + "Unexpected object tag 0x0000.");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(WorkspaceFileTest, StorageThatCannotBeObtainedDropsTheObject) {
  // The file is sound; the vector it holds cannot be given storage.
  const std::string path = Write("valid.mts", valid_);
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

TEST_F(WorkspaceFileTest, LaterRecordReplacesAnEarlierOneOfTheSameName) {
  Add("X", std::make_unique<VariableObject>(2.0));
  EXPECT_EQ(OpenWorkspaceFile(SaveAndClear("twice.mts"), false), 1);
  EXPECT_EQ(ui.output, "Deleted Object <x>\r\nWorkspace loaded from file\r\n");
  EXPECT_EQ(Names(), (Lines{"v", "keep", "X"}));
}

TEST_F(WorkspaceFileTest, SaveDropsObjectsThatAreNotValidAndNeverDamagesTheFile) {
  const std::string path = Path("w.mts");
  ASSERT_EQ(SaveWorkspaceFile(path), 1);
  std::filesystem::permissions(path, std::filesystem::perms(0640));
  Add("bad", std::make_unique<VectorObject>(2, 0.0)).status = STATUS_FAILED;
  ASSERT_EQ(SaveWorkspaceFile(path), 1);
  EXPECT_EQ(ui.output, "Workspace saved in file\r\nDeleted Vector <bad>\r\nWorkspace saved in file\r\n");
  EXPECT_EQ(Names(), (Lines{"x", "v", "keep"}));
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));  // kept
  EXPECT_EQ(FilesInDir(), 1u);  // no temporary file left behind
  const Bytes before = Text(ReadText("w.mts"));
  Add("big", std::make_unique<VectorObject>(100000, 1.0));
  ui.output.clear();
  // A file size limit stands in for a full disk.
  struct rlimit saved, small;
  getrlimit(RLIMIT_FSIZE, &saved);
  small = saved;
  small.rlim_cur = 4096;
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const int32_t result = SaveWorkspaceFile(path);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(SaveWorkspaceFile(Path("none/w.mts")), 0);
  const std::string cannotWrite = "Unable to write workspace file\n";
  EXPECT_EQ(ui.messages, (Lines{cannotWrite + path + "\nFile too large",
                                cannotWrite + Path("none/w.mts") + "\nNo such file or directory"}));
  EXPECT_EQ(ui.output, "");
  EXPECT_EQ(Text(ReadText("w.mts")), before);
  EXPECT_EQ(FilesInDir(), 1u);
}

}  // namespace
}  // namespace tq::testing
