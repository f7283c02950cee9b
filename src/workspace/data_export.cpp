#include <cstdio>

#include "core/ui_port.h"
#include "workspace/data_file.h"

namespace tq {

namespace {

FILE* CreateDataFile(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "w");
  if (!file) Report("Error: failed to create file\r\n%s", path.c_str());
  return file;
}

// Closes the file; true when every byte reached it.
bool FinishDataFile(FILE* file) {
  bool ok = std::fflush(file) == 0 && !std::ferror(file);
  if (std::fclose(file) != 0) ok = false;
  if (!ok) Report("Error during file write operation\r\nPossibly not enough memory.");
  return ok;
}

}  // namespace

int32_t ExportMatrix(const MatrixObject& matrix, const std::string& path) {
  FILE* file = CreateDataFile(path);
  if (!file) return 0;
  for (int32_t i = 1; i <= matrix.rows; ++i) {
    const double* row = matrix.row(i);
    for (int32_t j = 0; j < matrix.columns; ++j) std::fprintf(file, "%#.12G  ", row[j]);
    std::fputc('\n', file);
  }
  if (!FinishDataFile(file)) return 0;
  Report("Succeeded;  \r\nmatrix with %d rows x %d columns stored", matrix.rows, matrix.columns);
  return 1;
}

int32_t ExportVector(const VectorObject& vector, const std::string& path) {
  FILE* file = CreateDataFile(path);
  if (!file) return 0;
  for (int32_t i = 1; i <= vector.size; ++i) std::fprintf(file, "%#.12G \n", vector.at(i));
  if (!FinishDataFile(file)) return 0;
  Report("Succeeded;  %d elements stored", vector.size);
  return 1;
}

}  // namespace tq
