#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/core_state.h"
#include "core/element_block.h"
#include "core/ui_port.h"
#include "workspace/data_file.h"

namespace tq {

namespace {

// A line with its line feed of this length or more does not fit.
constexpr size_t kTooLongLine = kDataLineBuffer - 1;

void ReportNoMemory() { Report("Error during file read operation\r\nPossibly not enough memory."); }

FILE* OpenDataFile(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "r");
  if (!file) Report("Error: failed to open file\r\n%s", path.c_str());
  return file;
}

const char* SkipBlanksAndTabs(const char* p) {
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

const char* SkipToDelimiter(const char* p) {
  while (*p && *p != ' ' && *p != '\t' && *p != '\n' && *p != '\r') ++p;
  return p;
}

// Scans `columns` numbers of one line into `out`; false when one is missing.
bool ScanRow(const char* line, double* out, int32_t columns) {
  const char* p = line;
  for (int32_t j = 1; j <= columns; ++j) {
    char* end = nullptr;
    const double value = std::strtod(p, &end);
    if (end == p) return false;
    out[j - 1] = value;
    p = SkipBlanksAndTabs(p);
    if (j < columns) p = SkipBlanksAndTabs(SkipToDelimiter(p));
  }
  return true;
}

// Reads the rows into `block`; reports and answers false on the first error.
bool ReadMatrixRows(FILE* file, double* block, int32_t rows, int32_t columns) {
  std::array<char, kDataLineBuffer> line;
  for (int32_t i = 1; i <= rows; ++i) {
    line[0] = '\0';
    const bool read = std::fgets(line.data(), int(line.size()), file) != nullptr;
    const size_t length = std::strlen(line.data());
    if (length == 0) {
      Report("Error during file read operation\r\nUnable to import data \r\nline %d.\r\nText line "
             "in the file is empty.",
             i);
      return false;
    }
    if (length >= kTooLongLine) {
      Report("Error during file read operation\r\nUnable to import data \r\nline %d.\r\nText line "
             "in the file it too long.",
             i);
      return false;
    }
    if (!read || std::ferror(file)) {
      Report("Error during file read operation\r\nUnable to read line %d from the file.", i);
      return false;
    }
    if (!ScanRow(line.data(), block + size_t(i - 1) * size_t(columns), columns)) {
      Report("Error during file read operation\r\nUnable to import data \r\nline %d.\r\nEach text "
             "line must contain %d numbers.",
             i, columns);
      return false;
    }
  }
  return true;
}

}  // namespace

int32_t ImportMatrix(MatrixObject& matrix, const std::string& path) {
  FILE* file = OpenDataFile(path);
  if (!file) return 0;
  // Numbers go into a new block that replaces the elements only when the
  // whole file was read, so a failed import changes nothing.
  ElementBlock block;
  if (!block.Allocate(size_t(matrix.count()), 0.0)) {
    ReportNoMemory();
    std::fclose(file);
    return 0;
  }
  bool ok = ReadMatrixRows(file, block.data(), matrix.rows, matrix.columns);
  if (ok && std::ferror(file)) {
    ReportNoMemory();
    ok = false;
  }
  std::fclose(file);
  if (!ok) return 0;
  matrix.elements = std::move(block);
  NoteChange(CHANGE_OBJECT_VALUES);
  Report("Succeeded;\r\nmatrix with %d rows x %d columns loaded", matrix.rows, matrix.columns);
  return 1;
}

int32_t ImportVector(VectorObject& vector, const std::string& path) {
  FILE* file = OpenDataFile(path);
  if (!file) return 0;
  ElementBlock block;
  if (!block.Allocate(size_t(vector.size), 0.0)) {
    ReportNoMemory();
    std::fclose(file);
    return 0;
  }
  bool ok = true;
  for (int32_t i = 1; i <= vector.size && ok; ++i) {
    if (std::fscanf(file, "%lf", &block.data()[i - 1]) != 1) {
      Report("Error: invalid file format\r\nline %d.\r\nFile must contain one number in each "
             "line.",
             i);
      ok = false;
    }
  }
  if (ok && std::ferror(file)) {
    ReportNoMemory();
    ok = false;
  }
  std::fclose(file);
  if (!ok) return 0;
  vector.elements = std::move(block);
  NoteChange(CHANGE_OBJECT_VALUES);
  Report("Succeeded;\r\nvector with %d elements loaded", vector.size);
  return 1;
}

}  // namespace tq
