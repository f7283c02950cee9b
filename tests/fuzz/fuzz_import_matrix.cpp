// Any text imported into a matrix: the first byte chooses its size.
#include <cstdint>

#include "core/object_list.h"
#include "memory_file.h"
#include "workspace/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFile file;
  if (size < 1) return 0;
  const int32_t rows = 1 + data[0] % 8;
  const int32_t columns = 1 + (data[0] / 8) % 8;
  tq::MatrixObject matrix(columns, rows, 0.0);
  tq::ImportMatrix(matrix, file.Hold(data + 1, size - 1));
  return 0;
}
