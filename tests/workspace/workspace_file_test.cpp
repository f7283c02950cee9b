// Workspace files: the bytes of the worked layouts, every string and count
// form, byte-identical round trips; damaged files refused with a message,
// leaving the workspace exactly as it was in replace and in merge; saving
// through a temporary file that never damages the file it replaces, or in
// place; what the path names (a link, a FIFO, a read-only file) respected.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "core/element_block.h"
#include "support/workspace_bytes.h"

namespace tq::testing {
namespace {

const std::string kCorrupt = "Input data file invalid or corrupted";
const std::string kSeries = "Invalid format of data series. " + kCorrupt;
const std::string kCannotRead = "Unable to read workspace file\n%s\n";
constexpr uid_t kNobody = 65534;

class WorkspaceBytesTest : public WorkbenchTest {
 protected:
  static WorkspaceContents Parse(const Bytes& bytes) {
    MemorySource source(bytes);
    ArchiveReader reader(source);
    return ReadWorkspace(reader);
  }
  void Load(const Bytes& bytes) {  // replaces the workspace
    WorkspaceContents contents = Parse(bytes);
    ASSERT_TRUE(contents.ok()) << int(contents.problem);
    ApplyWorkspaceContents(std::move(contents), false);
  }
  // One object of every kind; every field differs from its default, so a
  // field the reader skips shows.
  void AddEveryKind() {
    Variable("x", -0.0);
    Variable("n", std::numeric_limits<double>::quiet_NaN());  // stored as +0
    auto& v = *Put("v", std::make_unique<VectorObject>(3, 0.0));
    v.at(1) = std::numeric_limits<double>::infinity();
    v.at(2) = std::numeric_limits<double>::quiet_NaN();
    v.at(3) = -1e-310;
    Put("M", std::make_unique<MatrixObject>(2, 3, 0.25))->at(3, 2) = -7;
    Function("f", "x^2+\r\n1")->description = "a square";
    auto& chart = *Put("c", std::make_unique<ChartObject>());
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
      series->LineType = 2;  // the last entry of each drawing list
      series->LineColor = 8;
      series->MarkerShape = 5;
      series->MarkerSize = 5;
      series->RangeMax = 2.5;
      series->RangeMin = -2.5;
      series->PointCount = 101;
      chart.SeriesList.push_back(std::move(series));
    }
  }
};

TEST_F(WorkspaceBytesTest, VariableAndMatrixLayouts) {
  Variable("bad", 1.0)->status = STATUS_FAILED;  // neither counted nor written
  EXPECT_EQ(WorkspaceBytes(), FromHex("00 00"));
  Load(FromHex("00 00"));
  EXPECT_EQ(ui.output, "Deleted object <bad>\r\nWorkspace loaded from file\r\n");
  Variable("x", 2.5);
  Variable("y", 1.0);  // later objects carry the class index tag
  EXPECT_EQ(WorkspaceBytes(), Concat({FromHex("02 00"), kClassHead, FromHex("01 00 00 00 01 78"),
                                      FromHex("00 00 00 00 00 00 04 40"), kMarker,
                                      FromHex("01 80 01 00 00 00 01 79"), F64(1.0), kMarker}));
  DeleteAllObjects();
  auto& m = *Put("M", std::make_unique<MatrixObject>(3, 2, 0.0));  // rows before columns, row by row
  for (int i = 1; i <= 2; ++i)
    for (int j = 1; j <= 3; ++j) m.at(i, j) = 10 * i + j;
  EXPECT_EQ(WorkspaceBytes(), Concat({FromHex("01 00"), kClassHead, I32(3), FromHex("01 4D"), I32(2), I32(3),
                                      F64(11), F64(12), F64(13), F64(21), F64(22), F64(23), kMarker}));
}

TEST_F(WorkspaceBytesTest, ChartCountsEverySeriesButWritesOnlyValidOnes) {
  auto& chart = *Put("c", std::make_unique<ChartObject>());
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
                                           {65534, FromHex("FF FF FF FE FF 00 00")}};
  const std::ptrdiff_t at = 2 + 16 + 4 + 2 + 2;  // count, class, kind, name "f"
  for (const auto& [length, head] : rows) {
    SCOPED_TRACE(length);
    DeleteAllObjects();
    Put("f", std::make_unique<FunctionObject>(std::string(length, 'a')))->description = "d";
    const Bytes bytes = WorkspaceBytes();
    EXPECT_EQ(Bytes(bytes.begin() + at, bytes.begin() + at + std::ptrdiff_t(head.size())), head);
    Load(bytes);
    EXPECT_EQ(WorkspaceBytes(), bytes);
  }
}

TEST_F(WorkspaceBytesTest, ReaderTakesTwoByteCharacterStringsAndUnknownKinds) {
  // "ab" in UTF-16 code units with a one-byte length; then the length restarts
  // in its 2-byte form, and U+20AC has no single-byte form.
  Load(Concat({FromHex("01 00"), kClassHead, I32(1), FromHex("FF FE FF 02 61 00 62 00"), F64(1.5), kMarker}));
  EXPECT_NE(FindObject("ab", OBJMASK_VARIABLE), nullptr);
  Load(Concat({FromHex("01 00"), kClassHead, I32(1), FromHex("FF FE FF FF 02 00 63 00 AC 20"), F64(1.5),
               kMarker}));
  EXPECT_EQ(Names(), Lines{"c?"});
  // An unknown kind is its kind and name only, and is dropped.
  Load(Concat({FromHex("02 00"), kClassHead, I32(9), FromHex("03 6F 6C 64"), FromHex("01 80"), I32(1),
               FromHex("01 78"), F64(3.0), kMarker}));
  EXPECT_EQ(Names(), Lines{"x"});
}

// A drawing field outside its list is read as the entry that draws the
// same way (a solid black line, no marker); a marker size is clamped.
TEST_F(WorkspaceBytesTest, DrawingFieldsOutsideTheirListsAreBroughtIntoThem) {
  const struct {
    int32_t lineType, lineColor, markerShape, markerSize;
    int32_t readType, readColor, readShape, readSize;
  } rows[] = {
      {0, 0, 0, 0, 0, 0, 0, 0},
      {2, 8, 5, 5, 2, 8, 5, 5},
      {3, 9, 6, 6, 1, 1, 0, 5},
      {-1, -1, -1, -1, 1, 1, 0, 0},
      {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 1, 1, 0, 5},
      {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, 1, 1, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.markerSize);
    DeleteAllObjects();
    auto& chart = *Put("c", std::make_unique<ChartObject>());
    chart.SeriesList.push_back(std::make_unique<SeriesObject>());
    SeriesObject& written = *chart.SeriesList.back();
    written.name = "s";
    written.LineType = row.lineType;
    written.LineColor = row.lineColor;
    written.MarkerShape = row.markerShape;
    written.MarkerSize = row.markerSize;
    Load(WorkspaceBytes());
    auto* read = dynamic_cast<ChartObject*>(FindObject("c", OBJMASK_CHART));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->SeriesList.size(), 1u);
    const SeriesObject& series = *read->SeriesList.front();
    EXPECT_EQ(series.LineType, row.readType);
    EXPECT_EQ(series.LineColor, row.readColor);
    EXPECT_EQ(series.MarkerShape, row.readShape);
    EXPECT_EQ(series.MarkerSize, row.readSize);
  }
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
  AddEveryKind();
  const Bytes first = WorkspaceBytes();
  Load(first);
  EXPECT_EQ(WorkspaceBytes(), first);
  EXPECT_EQ(document.objects.size(), 6u);
  auto* n = dynamic_cast<VariableObject*>(FindObject("n", OBJMASK_VARIABLE));
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->value, 0.0);
  EXPECT_FALSE(std::signbit(n->value));
}

class WorkspaceFileTest : public WorkspaceBytesTest {
 protected:
  void SetUp() override {
    WorkspaceBytesTest::SetUp();
    AddEveryKind();
    valid_ = WorkspaceBytes();
    document.objects.Clear();
    // The workspace the files are opened into; x and v clash with the file.
    Variable("x", -1.0);
    Put("v", std::make_unique<MatrixObject>(2, 2, 4.0));
    Put("keep", std::make_unique<VectorObject>(2, 8.0));
  }

  // Opens `bytes` to replace and to merge: refused with `message` ("%s" for
  // the path), nothing changed.
  void ExpectRefused(const Bytes& bytes, std::string message) {
    const std::string path = Write("damaged.mts", bytes);
    if (size_t at = message.find("%s"); at != std::string::npos) message.replace(at, 2, path);
    for (bool keep : {false, true}) {
      SCOPED_TRACE(keep ? "merge" : "replace");
      const std::string before = WorkspaceSnapshot();
      ui.messages.clear();
      ui.output.clear();
      EXPECT_EQ(OpenShowingFailure(path, keep), 0);
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

  size_t FilesInDir() const { return size_t(std::distance(std::filesystem::directory_iterator(Path("")), {})); }

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
  ASSERT_EQ(markers.size(), 8u);  // two variables, vector, matrix, function, two series, chart
  for (size_t k = 0; k < markers.size(); ++k) {
    SCOPED_TRACE(k);
    Bytes bytes = valid_;
    bytes[markers[k]] ^= 0x01;
    ExpectRefused(bytes, k == 5 || k == 6 ? kSeries : kCorrupt);
  }
  // The series end tag 12 sits just before the chart's marker.
  Bytes bytes = valid_;
  const auto endTag = bytes.begin() + std::ptrdiff_t(markers.back() - 4);
  ASSERT_EQ(Bytes(endTag, endTag + 4), I32(12));
  *endTag = 13;
  ExpectRefused(bytes, kSeries);
}

TEST_F(WorkspaceFileTest, ReadErrorsNameTheFileAndTheProblem) {
  auto patched = [this](size_t at, const Bytes& with) {
    Bytes bytes = valid_;
    std::copy(with.begin(), with.end(), bytes.begin() + std::ptrdiff_t(at));
    return bytes;
  };
  const std::pair<Bytes, std::string> rows[] = {
      {patched(2 + 6 + 9, Text("X")), "Unknown object class <MathObjecX>."},
      {patched(4, {2}), "Unsupported object class version 2."},
      {patched(2, {0x01, 0x80}), "Unexpected object tag 0x8001."},
      {Concat({FromHex("02 00"), kClassHead, I32(1), FromHex("01 61"), F64(1), I32(1000001), FromHex("FF FF")}),
       "Unexpected object tag 0xFFFF."},
      {Concat({FromHex("FF FF"), I32(-1), Bytes(94, 0)}), "Unexpected object tag 0x0000."},
      // Huge sizes are refused at once, also those within the limits that the file cannot hold.
      {Record(2, Concat({FromHex("01 61"), I32(2147483647)})), "Invalid size of vector (2147483647)."},
      {Record(2, Concat({FromHex("01 61"), I32(100000000)})), "Unexpected end of file."},
      {Record(3, Concat({FromHex("01 61"), I32(65536), I32(65536)})), "Invalid size of matrix 65536x65536."},
      {Record(2, Concat({FromHex("01 61"), I32(0), I32(1000001)}), 0), "Invalid size of vector (0)."},
      {Record(4, Concat({FromHex("FF FF FF"), I32(2147483647)})), "Unexpected end of file."}};
  // How fast the huge sizes are refused is measured in bench/ (bench_refuse_huge_sizes).
  for (const auto& [bytes, problem] : rows) ExpectRefused(bytes, kCannotRead + problem);
  const std::string before = WorkspaceSnapshot();
  EXPECT_EQ(OpenShowingFailure(Path("absent.mts"), false), 0);
  EXPECT_EQ(ui.messages.back(), "Unable to read workspace file\n" + Path("absent.mts") + "\nNo such file or directory");
  EXPECT_EQ(WorkspaceSnapshot(), before);
}

TEST_F(WorkspaceFileTest, StorageThatCannotBeObtainedRefusesTheWholeFile) {
  // A sound file whose vector, then whose matrix, gets no storage.
  const std::string path = Write("valid.mts", valid_);
  for (auto [successes, kind] : {std::pair{0, "vector"}, {1, "matrix"}}) {
    for (bool keep : {false, true}) {
      SCOPED_TRACE(std::string(kind) + (keep ? " merge" : " replace"));
      const std::string before = WorkspaceSnapshot();
      ui.messages.clear();
      ui.output.clear();
      SetAllocationFailureAfter(successes);
      EXPECT_EQ(OpenShowingFailure(path, keep), 0);
      SetAllocationFailureAfter(-1);
      EXPECT_EQ(ui.messages,
                Lines{"Unable to read workspace file\n" + path + "\nunable allocate " + kind});
      EXPECT_EQ(ui.output, "");
      EXPECT_EQ(WorkspaceSnapshot(), before);
    }
  }
}

TEST_F(WorkspaceFileTest, LaterRecordReplacesAnEarlierOneOfTheSameName) {
  Variable("X", 2.0);
  const std::string path = Write("twice.mts", WorkspaceBytes());  // as an older program wrote it
  document.objects.Clear();
  EXPECT_EQ(OpenShowingFailure(path, false), 1);
  EXPECT_EQ(ui.output, "Deleted Object <x>\r\nWorkspace loaded from file\r\n");
  EXPECT_EQ(Names(), (Lines{"v", "keep", "X"}));
}

TEST_F(WorkspaceFileTest, MergeReplacesAnObjectOfALongName) {
  const std::string name(1000, 'n');
  document.objects.Clear();
  Variable(name, 2.0);
  const std::string path = Write("long.mts", WorkspaceBytes());
  document.objects.Clear();
  Put(std::string(1000, 'N'), std::make_unique<MatrixObject>(2, 2, 4.0));
  EXPECT_EQ(OpenShowingFailure(path, true), 1);
  EXPECT_EQ(ui.output, "Deleted Matrix <" + std::string(1000, 'N') + ">\r\nWorkspace loaded from file\r\n");
  EXPECT_EQ(Names(), Lines{name});
  EXPECT_EQ(document.objects.entries()[0]->kind, KIND_VARIABLE);
}

TEST_F(WorkspaceFileTest, SaveRefusesTwoObjectsOfOneName) {
  Function("V", "x+1");
  EXPECT_EQ(SaveShowingFailure(Path("w.mts")), 0);
  EXPECT_EQ(ui.messages, Lines{"Unable to write workspace file\n" + Path("w.mts") +
                               "\nInternal error: two objects are named <v>."});
  EXPECT_EQ(ui.output, "");
  EXPECT_EQ(FilesInDir(), 0u);
  EXPECT_EQ(Names(), (Lines{"x", "v", "keep", "V"}));
}

// The engine shows nothing: the command shows the failure it returns, and a
// success clears an earlier one.
TEST_F(WorkspaceFileTest, FailuresAreReturnedForTheCommandToShow) {
  std::string failure = "earlier";
  EXPECT_EQ(OpenWorkspaceFile(Path("absent.mts"), false, failure), 0);
  EXPECT_EQ(failure,
            "Unable to read workspace file\n" + Path("absent.mts") + "\nNo such file or directory");
  EXPECT_EQ(SaveWorkspaceFile(Path("none/w.mts"), failure), 0);
  EXPECT_EQ(failure, "Unable to write workspace file\n" + Path("none/w.mts") +
                         "\nNo such file or directory");
  EXPECT_EQ(SaveWorkspaceFile(Path("w.mts"), failure), 1);
  EXPECT_EQ(failure, "");
  failure = "earlier";
  EXPECT_EQ(OpenWorkspaceFile(Path("w.mts"), false, failure), 1);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(ui.messages, Lines{});
}

TEST_F(WorkspaceFileTest, SaveDropsObjectsThatAreNotValidAndNeverDamagesTheFile) {
  const std::string path = Path("w.mts");
  ASSERT_EQ(SaveShowingFailure(path), 1);
  std::filesystem::permissions(path, std::filesystem::perms(0640));
  Put("bad", std::make_unique<VectorObject>(2, 0.0))->status = STATUS_FAILED;
  ASSERT_EQ(SaveShowingFailure(path), 1);
  EXPECT_EQ(ui.output, "Workspace saved in file\r\nDeleted Vector <bad>\r\nWorkspace saved in file\r\n");
  EXPECT_EQ(Names(), (Lines{"x", "v", "keep"}));
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));  // kept
  EXPECT_EQ(FilesInDir(), 1u);  // no temporary file left behind
  const std::string before = ReadText("w.mts");
  Put("big", std::make_unique<VectorObject>(100000, 1.0));
  ui.output.clear();
  // A file size limit stands in for a full disk.
  struct rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = {4096, saved.rlim_max};
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const int32_t result = SaveShowingFailure(path);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(SaveShowingFailure(Path("none/w.mts")), 0);
  const std::string cannotWrite = "Unable to write workspace file\n";
  EXPECT_EQ(ui.messages, (Lines{cannotWrite + path + "\nFile too large",
                                cannotWrite + Path("none/w.mts") + "\nNo such file or directory"}));
  EXPECT_EQ(ui.output, "");
  EXPECT_EQ(ReadText("w.mts"), before);
  EXPECT_EQ(FilesInDir(), 1u);
}

// Runs `body` in a child process as a user without privileges, whose
// permissions a privileged user would override; the child's exit status.
int RunUnprivileged(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(99);
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(WorkspaceFileTest, SaveWritesWhatThePathNamesOrRefusesIt) {
  namespace fs = std::filesystem;
  const std::string cannotWrite = "Unable to write workspace file\n";
  const std::string old = "old contents";
  const Bytes saved = WorkspaceBytes();
  auto content = [&](const std::string& name) { return ReadText(name); };
  // A read-only file is refused, also for a privileged user.
  Write("ro.mts", old);
  fs::permissions(Path("ro.mts"), fs::perms(0444));
  // A link is followed: the file it names gets the contents and keeps its mode.
  Write("real.mts", old);
  fs::permissions(Path("real.mts"), fs::perms(0604));
  fs::create_symlink("real.mts", Path("link.mts"));
  fs::create_symlink("link.mts", Path("link2.mts"));
  fs::create_symlink("made.mts", Path("dangling.mts"));
  ASSERT_EQ(mkfifo(Path("fifo.mts").c_str(), 0644), 0);
  fs::create_directory(Path("dir.mts"));
  const std::string longest(NAME_MAX - 4, 'n'), tooLong(NAME_MAX - 3, 'n');
  struct Row {
    std::string path, message;  // no message: saved
  } rows[] = {{Path("ro.mts"), "Permission denied"},
              {Path("link2.mts"), ""},
              {Path("dangling.mts"), ""},
              {Path("fifo.mts"), "Not a regular file."},
              {"/dev/null", "Not a regular file."},
              {Path("dir.mts"), "Is a directory"},
              {Path(longest + ".mts"), ""},
              {Path(tooLong + ".mts"), "File name too long"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    ui.messages.clear();
    ui.output.clear();
    EXPECT_EQ(SaveShowingFailure(row.path), row.message.empty() ? 1 : 0);
    EXPECT_EQ(ui.messages, row.message.empty() ? Lines{} : Lines{cannotWrite + row.path + "\n" + row.message});
    EXPECT_EQ(ui.output, row.message.empty() ? "Workspace saved in file\r\n" : "");
  }
  EXPECT_EQ(content("ro.mts"), old);
  EXPECT_EQ(Text(content("real.mts")), saved);
  EXPECT_EQ(Text(content("made.mts")), saved);
  EXPECT_TRUE(fs::is_symlink(Path("link.mts")));
  EXPECT_TRUE(fs::is_symlink(Path("link2.mts")));
  EXPECT_EQ(fs::status(Path("real.mts")).permissions(), fs::perms(0604));
  EXPECT_EQ(fs::status(Path("fifo.mts")).type(), fs::file_type::fifo);
  ui.messages.clear();
  EXPECT_EQ(OpenShowingFailure(Path("fifo.mts"), false), 0);  // refused, not waited on
  EXPECT_EQ(ui.messages, Lines{"Unable to read workspace file\n" + Path("fifo.mts") + "\nNot a regular file."});
  EXPECT_EQ(Text(content(longest + ".mts")), saved);
  // Nothing but the files made above: no temporary file is left behind.
  EXPECT_EQ(FilesInDir(), 9u);
  if (geteuid() == 0) {  // the owner is kept too, where the user may set it
    ASSERT_EQ(chown(Path("real.mts").c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(SaveShowingFailure(Path("real.mts")), 1);
    struct stat info;
    ASSERT_EQ(stat(Path("real.mts").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kNobody);
  }
}

TEST_F(WorkspaceFileTest, AFolderWithoutRoomForATemporaryFileIsWrittenInPlace) {
  namespace fs = std::filesystem;
  const std::string path = Path("locked/w.mts");
  fs::create_directory(Path("locked"));
  const std::string old = "old contents";
  Write("locked/w.mts", old);
  fs::permissions(Path("locked/w.mts"), fs::perms(0666));
  fs::permissions(fs::path(Path("locked")).parent_path(), fs::perms(0755));
  fs::permissions(Path("locked"), fs::perms(0555));
  Put("big", std::make_unique<VectorObject>(100000, 1.0));
  const Bytes saved = WorkspaceBytes();
  const std::string written = "No temporary file could be created beside the file; it was written in place\r\n"
                              "Workspace saved in file\r\n";
  const int status = RunUnprivileged([&] {
    // Past a file size limit the space is refused before the old contents change.
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved_limit;
    getrlimit(RLIMIT_FSIZE, &saved_limit);
    struct rlimit small = {4096, saved_limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    if (SaveShowingFailure(path) != 0) return 1;
    if (ui.messages != Lines{"Unable to write workspace file\n" + path + "\nFile too large"}) return 2;
    if (ReadText("locked/w.mts") != old) return 3;
    setrlimit(RLIMIT_FSIZE, &saved_limit);
    if (SaveShowingFailure(path) != 1) return 4;
    return ui.output == written ? 0 : 5;
  });
  fs::permissions(Path("locked"), fs::perms(0755));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Text(ReadText("locked/w.mts")), saved);
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0666));
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("locked")), {}), 1);
}

}  // namespace
}  // namespace tq::testing
