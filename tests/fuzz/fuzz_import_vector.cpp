// Any text imported into a vector: the first byte chooses its size.
#include <cstdint>

#include "core/object_list.h"
#include "memory_file.h"
#include "workspace/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFile file;
  if (size < 1) return 0;
  tq::VectorObject vector(1 + data[0] % 32, 0.0);
  tq::ImportVector(vector, file.Hold(data + 1, size - 1));
  return 0;
}
