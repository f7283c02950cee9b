// Exporting and importing vectors and matrices as text (12 significant
// digits, so numbers of up to 12 digits come back exactly), with every report
// line; a failed import changes nothing.
#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "workspace/data_file.h"
#include "workspace_test_util.h"

namespace tq {
namespace {

class DataFileTest : public testing::WorkbenchTest {
 protected:
  MatrixObject& Matrix(int32_t rows, int32_t columns, double initial) {
    auto m = std::make_unique<MatrixObject>(columns, rows, initial);
    m->name = "M";
    MatrixObject& ref = *m;
    AddObject(std::move(m));
    return ref;
  }
  VectorObject& Vector(int32_t size, double initial) {
    auto v = std::make_unique<VectorObject>(size, initial);
    v->name = "v";
    VectorObject& ref = *v;
    AddObject(std::move(v));
    return ref;
  }

  // Imports `text` into M, expecting failure with `report` after the
  // heading, and the matrix unchanged.
  void ExpectMatrixImportFails(const std::string& text, const std::string& report) {
    MatrixObject& m = *dynamic_cast<MatrixObject*>(FindObject("M", OBJMASK_MATRIX));
    const std::vector<double> before(m.data(), m.data() + m.count());
    const std::string path = dir_.WriteText("in.txt", text);
    ui.output.clear();
    EXPECT_EQ(ImportObject("M", path), 0);
    EXPECT_EQ(ui.output, "Reading data to matrix  M  " + std::to_string(m.rows) + "x" +
                             std::to_string(m.columns) + " \r\nfrom file " + path + "\r\n" +
                             report + "\r\n");
    EXPECT_EQ(std::vector<double>(m.data(), m.data() + m.count()), before);
  }

  testing::TempDir dir_;
};

TEST_F(DataFileTest, ExportMatrixWritesTwelveDigitsAndTwoBlanks) {
  Matrix(2, 3, 1.0);
  const std::string path = dir_.Path("m.txt");
  EXPECT_EQ(ExportObject("M", path), 1);
  EXPECT_EQ(dir_.ReadText("m.txt"),
            "1.00000000000  1.00000000000  1.00000000000  \n"
            "1.00000000000  1.00000000000  1.00000000000  \n");
  EXPECT_EQ(ui.output, "Writing data from matrix  M  2x3 \r\nto file " + path +
                           "\r\nSucceeded;  \r\nmatrix with 2 rows x 3 columns stored\r\n");
}

TEST_F(DataFileTest, ExportVectorWritesOneNumberAndABlankPerLine) {
  VectorObject& v = Vector(3, 0.0);
  v.at(1) = -2.5;
  v.at(2) = 1e20;
  v.at(3) = 1.0 / 3.0;
  const std::string path = dir_.Path("v.txt");
  EXPECT_EQ(ExportObject("v", path), 1);
  EXPECT_EQ(dir_.ReadText("v.txt"), "-2.50000000000 \n1.00000000000E+20 \n0.333333333333 \n");
  EXPECT_EQ(ui.output, "Writing data from vector  v  (3)\r\nto file " + path +
                           "\r\nSucceeded;  3 elements stored\r\n");
}

TEST_F(DataFileTest, ExportAndImportRoundTrip) {
  MatrixObject& m = Matrix(3, 2, 0.0);
  for (int64_t k = 0; k < m.count(); ++k) m.data()[k] = (double(k) - 2.5) * 1.25;
  m.at(3, 2) = -1.23456789012e-300;
  VectorObject& v = Vector(4, 0.0);
  v.at(1) = 1e150;
  v.at(2) = -0.1;
  v.at(3) = 123456789012.0;
  v.at(4) = 0.0;
  ASSERT_EQ(ExportObject("M", dir_.Path("m.txt")), 1);
  ASSERT_EQ(ExportObject("v", dir_.Path("v.txt")), 1);
  const std::vector<double> matrix(m.data(), m.data() + m.count());
  const std::vector<double> vector(v.data(), v.data() + v.size);
  std::fill(m.data(), m.data() + m.count(), 9.0);
  std::fill(v.data(), v.data() + v.size, 9.0);
  ui.output.clear();
  EXPECT_EQ(ImportObject("M", dir_.Path("m.txt")), 1);
  EXPECT_EQ(ImportObject("v", dir_.Path("v.txt")), 1);
  EXPECT_EQ(std::vector<double>(m.data(), m.data() + m.count()), matrix);
  EXPECT_EQ(std::vector<double>(v.data(), v.data() + v.size), vector);
  EXPECT_EQ(ui.output, "Reading data to matrix  M  3x2 \r\nfrom file " + dir_.Path("m.txt") +
                           "\r\nSucceeded;\r\nmatrix with 3 rows x 2 columns loaded\r\n"
                           "Reading data to vector  v  (4)\r\nfrom file " + dir_.Path("v.txt") +
                           "\r\nSucceeded;\r\nvector with 4 elements loaded\r\n");
}

TEST_F(DataFileTest, MatrixLinesTakeTabsAndIgnoreExtraNumbersAndLines) {
  MatrixObject& m = Matrix(2, 2, 0.0);
  const std::string path = dir_.WriteText("in.txt", "1\t2 99\n  -3e1   4.5x\t\n7 8\n");
  EXPECT_EQ(ImportObject("M", path), 1);
  EXPECT_EQ(m.at(1, 1), 1.0);
  EXPECT_EQ(m.at(1, 2), 2.0);
  EXPECT_EQ(m.at(2, 1), -30.0);
  EXPECT_EQ(m.at(2, 2), 4.5);
}

TEST_F(DataFileTest, MatrixImportFailuresLeaveTheMatrixUnchanged) {
  Matrix(2, 3, 5.0);
  const std::string line = "Error during file read operation\r\nUnable to import data \r\nline ";
  ExpectMatrixImportFails("1 2 3\n4,5,6\n",
                          line + "2.\r\nEach text line must contain 3 numbers.");
  ExpectMatrixImportFails("1 2 3\n", line + "2.\r\nText line in the file is empty.");
  ExpectMatrixImportFails("", line + "1.\r\nText line in the file is empty.");
  ExpectMatrixImportFails("\n1 2 3\n", line + "1.\r\nEach text line must contain 3 numbers.");
  ExpectMatrixImportFails("1 2\n4 5 6\n", line + "1.\r\nEach text line must contain 3 numbers.");
}

TEST_F(DataFileTest, MatrixLineLimitIs4093CharactersBeforeTheLineFeed) {
  MatrixObject& m = Matrix(1, 1, 0.0);
  std::string fits = "7" + std::string(4092, ' ');
  ASSERT_EQ(fits.size(), 4093u);
  EXPECT_EQ(ImportObject("M", dir_.WriteText("in.txt", fits + "\n")), 1);
  EXPECT_EQ(m.at(1, 1), 7.0);
  ExpectMatrixImportFails(fits + " \n",
                          "Error during file read operation\r\nUnable to import data \r\nline "
                          "1.\r\nText line in the file it too long.");
}

TEST_F(DataFileTest, VectorNumbersMaySitOnOneLine) {
  VectorObject& v = Vector(3, 0.0);
  EXPECT_EQ(ImportObject("v", dir_.WriteText("in.txt", "1 2\t3 4\n")), 1);
  EXPECT_EQ(v.at(1), 1.0);
  EXPECT_EQ(v.at(3), 3.0);
}

TEST_F(DataFileTest, ShortVectorFileFailsAtTheFirstMissingNumber) {
  VectorObject& v = Vector(3, 6.0);
  const std::string path = dir_.WriteText("in.txt", "1\n2\n");
  EXPECT_EQ(ImportObject("v", path), 0);
  EXPECT_EQ(ui.output, "Reading data to vector  v  (3)\r\nfrom file " + path +
                           "\r\nError: invalid file format\r\nline 3.\r\nFile must contain one "
                           "number in each line.\r\n");
  EXPECT_EQ(v.at(1), 6.0);
  EXPECT_EQ(v.at(2), 6.0);
}

TEST_F(DataFileTest, FilesThatCannotBeOpened) {
  Matrix(1, 1, 0.0);
  Vector(1, 0.0);
  const std::string missing = dir_.Path("missing.txt");
  const std::string folder = dir_.Path("none/out.txt");
  EXPECT_EQ(ImportObject("M", missing), 0);
  EXPECT_EQ(ImportObject("v", missing), 0);
  EXPECT_EQ(ExportObject("M", folder), 0);
  EXPECT_EQ(ExportObject("v", folder), 0);
  EXPECT_EQ(ui.output,
            "Reading data to matrix  M  1x1 \r\nfrom file " + missing +
                "\r\nError: failed to open file\r\n" + missing + "\r\n" +
                "Reading data to vector  v  (1)\r\nfrom file " + missing +
                "\r\nError: failed to open file\r\n" + missing + "\r\n" +
                "Writing data from matrix  M  1x1 \r\nto file " + folder +
                "\r\nError: failed to create file\r\n" + folder + "\r\n" +
                "Writing data from vector  v  (1)\r\nto file " + folder +
                "\r\nError: failed to create file\r\n" + folder + "\r\n");
}

TEST_F(DataFileTest, WriteErrorIsReported) {
  Vector(10, 1.0);
  EXPECT_EQ(ExportObject("v", "/dev/full"), 0);
  EXPECT_EQ(ui.output, "Writing data from vector  v  (10)\r\nto file /dev/full\r\nError during "
                       "file write operation\r\nPossibly not enough memory.\r\n");
}

TEST_F(DataFileTest, ObjectChecksShareDisplaysMessages) {
  Matrix(1, 1, 0.0).status = STATUS_FAILED;
  Vector(1, 0.0).status = STATUS_ALLOC_FAILED;
  auto x = std::make_unique<VariableObject>(1.0);
  x->name = "x";
  AddObject(std::move(x));
  const std::string path = dir_.Path("out.txt");
  EXPECT_EQ(ExportObject("M", path), 0);
  EXPECT_EQ(ImportObject("v", path), 0);
  EXPECT_EQ(ExportObject("x", path), 0);
  EXPECT_EQ(ImportObject("m", path), 0);  // names are exact
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nObject state is not valid.\nLast operation on this object has "
                "failed.\nUnable to display object.",
                "Error:\nObject state is not valid.\nUnable to display object.",
                "Unable to display object."}));
  EXPECT_EQ(ui.output, "");
}

}  // namespace
}  // namespace tq
