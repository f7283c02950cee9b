// Exporting and importing vectors and matrices as text (12 significant
// digits, so numbers of up to 12 digits come back exactly), with every report
// line; a failed import changes nothing.
#include <gtest/gtest.h>

#include "support/workbench_test.h"
#include "workspace/data_file.h"

namespace tq::testing {
namespace {

class DataFileTest : public WorkbenchTest {
 protected:
  static std::vector<double> Elements(const MatrixObject& m) { return {m.data(), m.data() + m.count()}; }
};

TEST_F(DataFileTest, ExportWritesTwelveDigitsAndImportReadsThemBack) {
  MatrixObject& m = *Put("M", std::make_unique<MatrixObject>(2, 3, 0.0));
  for (int64_t k = 0; k < m.count(); ++k) m.data()[k] = (double(k) - 2.5) * 1.25;
  m.at(3, 2) = -1.23456789012e-300;
  VectorObject& v = *Put("v", std::make_unique<VectorObject>(4, 0.0));
  for (int k = 1; k <= 4; ++k) v.at(k) = std::vector{-2.5, 1e20, 1.0 / 3.0, 123456789012.0}[size_t(k - 1)];
  const std::string mPath = Path("m.txt"), vPath = Path("v.txt");
  ASSERT_EQ(ExportObject("M", mPath), 1);
  ASSERT_EQ(ExportObject("v", vPath), 1);
  EXPECT_EQ(ReadText("m.txt"),
            "-3.12500000000  -1.87500000000  \n-0.625000000000  0.625000000000  \n"
            "1.87500000000  -1.23456789012E-300  \n");
  EXPECT_EQ(ReadText("v.txt"), "-2.50000000000 \n1.00000000000E+20 \n0.333333333333 \n123456789012. \n");
  const std::vector<double> matrix = Elements(m);
  std::fill(m.data(), m.data() + m.count(), 9.0);
  v.at(1) = 9.0;
  EXPECT_EQ(ImportObject("M", mPath), 1);
  EXPECT_EQ(ImportObject("v", vPath), 1);
  EXPECT_EQ(Elements(m), matrix);
  EXPECT_EQ(v.at(1), -2.5);
  EXPECT_EQ(ui.output, "Writing data from matrix  M  3x2 \r\nto file " + mPath +
                           "\r\nSucceeded;  \r\nmatrix with 3 rows x 2 columns stored\r\n"
                           "Writing data from vector  v  (4)\r\nto file " + vPath +
                           "\r\nSucceeded;  4 elements stored\r\n"
                           "Reading data to matrix  M  3x2 \r\nfrom file " + mPath +
                           "\r\nSucceeded;\r\nmatrix with 3 rows x 2 columns loaded\r\n"
                           "Reading data to vector  v  (4)\r\nfrom file " + vPath +
                           "\r\nSucceeded;\r\nvector with 4 elements loaded\r\n");
}

TEST_F(DataFileTest, ImportTakesTabsAndIgnoresExtraNumbersAndLines) {
  MatrixObject& m = *Put("M", std::make_unique<MatrixObject>(2, 2, 0.0));
  EXPECT_EQ(ImportObject("M", Write("in.txt", "1\t2 99\n  -3e1   4.5x\t\n7 8\n")), 1);
  EXPECT_EQ(Elements(m), (std::vector<double>{1, 2, -30, 4.5}));
  VectorObject& v = *Put("v", std::make_unique<VectorObject>(3, 0.0));  // a vector's numbers may sit on one line
  EXPECT_EQ(ImportObject("v", Write("in.txt", "1 2\t3 4\n")), 1);
  EXPECT_EQ(v.at(1), 1.0);
  EXPECT_EQ(v.at(3), 3.0);
}

TEST_F(DataFileTest, ImportFailuresLeaveTheObjectUnchanged) {
  MatrixObject& m = *Put("M", std::make_unique<MatrixObject>(3, 2, 5.0));
  const std::string count = "Each text line must contain 3 numbers.", empty = "Text line in the file is empty.";
  const std::string fits = "7  8 9" + std::string(4087, ' ');  // 4093 characters before the line feed
  const struct {
    std::string text;
    int line;
    std::string why;
  } rows[] = {{"1 2 3\n4,5,6\n", 2, count}, {"1 2 3\n", 2, empty}, {"", 1, empty}, {"\n1 2 3\n", 1, count},
              {"1 2\n4 5 6\n", 1, count},  {fits + " \n", 1, "Text line in the file it too long."}};
  for (const auto& row : rows) {
    const std::string path = Write("in.txt", row.text);
    ui.output.clear();
    EXPECT_EQ(ImportObject("M", path), 0);
    EXPECT_EQ(ui.output, "Reading data to matrix  M  2x3 \r\nfrom file " + path +
                             "\r\nError during file read operation\r\nUnable to import data \r\nline " +
                             std::to_string(row.line) + ".\r\n" + row.why + "\r\n");
    EXPECT_EQ(Elements(m), std::vector<double>(6, 5.0));
  }
  EXPECT_EQ(ImportObject("M", Write("in.txt", fits + "\n" + fits + "\n")), 1);
  EXPECT_EQ(m.at(2, 1), 7.0);
  VectorObject& v = *Put("v", std::make_unique<VectorObject>(3, 6.0));  // a short vector file fails at the first missing number
  const std::string path = Write("in.txt", "1\n2\n");
  ui.output.clear();
  EXPECT_EQ(ImportObject("v", path), 0);
  EXPECT_EQ(ui.output, "Reading data to vector  v  (3)\r\nfrom file " + path +
                           "\r\nError: invalid file format\r\nline 3.\r\nFile must contain one "
                           "number in each line.\r\n");
  EXPECT_EQ(v.at(2), 6.0);
}

TEST_F(DataFileTest, FilesThatCannotBeOpenedOrWritten) {
  Put("M", std::make_unique<MatrixObject>(1, 1, 0.0));
  Put("v", std::make_unique<VectorObject>(10, 1.0));
  const std::string missing = Path("missing.txt"), folder = Path("none/out.txt");
  EXPECT_EQ(ImportObject("M", missing), 0);
  EXPECT_EQ(ExportObject("v", folder), 0);
  EXPECT_EQ(ExportObject("v", "/dev/full"), 0);
  EXPECT_EQ(ui.output, "Reading data to matrix  M  1x1 \r\nfrom file " + missing + "\r\nError: failed to open file\r\n" +
                           missing + "\r\nWriting data from vector  v  (10)\r\nto file " + folder +
                           "\r\nError: failed to create file\r\n" + folder +
                           "\r\nWriting data from vector  v  (10)\r\nto file /dev/full\r\nError during "
                           "file write operation\r\nPossibly not enough memory.\r\n");
}

}  // namespace
}  // namespace tq::testing
