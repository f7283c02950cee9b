// Times refusing workspace files whose records claim huge sizes: a size
// beyond the limits, or within them but more than the file holds, must be
// refused at once, without allocating or reading that much. Each file is
// opened in replace and in merge mode. Usage: bench_refuse_huge_sizes
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/object_list.h"
#include "workspace/workspace_file.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& out, const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  out.insert(out.end(), p, p + size);
}

Bytes I32(int32_t value) {
  Bytes out;
  Append(out, &value, sizeof value);
  return out;
}

// A file of one record of `kind` whose bytes start with `head` and then
// `sizes`, padded to 100 bytes.
Bytes Record(int32_t kind, const Bytes& head, std::initializer_list<int32_t> sizes) {
  Bytes bytes = {0x01, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x0A, 0x00};
  Append(bytes, "MathObject", 10);
  Append(bytes, I32(kind).data(), 4);
  bytes.insert(bytes.end(), head.begin(), head.end());
  for (int32_t size : sizes) Append(bytes, I32(size).data(), 4);
  if (bytes.size() < 100) bytes.resize(100, 0);
  return bytes;
}

const Bytes kNameA = {0x01, 'a'};

}  // namespace

int main() {
  const std::pair<const char*, Bytes> files[] = {
      {"vector of 2147483647", Record(2, kNameA, {2147483647})},
      {"vector of 100000000, file too short", Record(2, kNameA, {100000000})},
      {"matrix 65536x65536", Record(3, kNameA, {65536, 65536})},
      {"name of 2147483647 characters", Record(4, {0xFF, 0xFF, 0xFF}, {2147483647})},
  };
  const std::string path = "/tmp/bench_refuse_huge_sizes.mts";
  tq::Document document;
  tq::SetCurrentDocument(&document);
  int status = 0;
  for (const auto& [what, bytes] : files) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
      std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
    const auto start = std::chrono::steady_clock::now();
    std::string failure;
    for (bool keep : {false, true})
      if (tq::OpenWorkspaceFile(path, keep, failure) != 0) status = 1;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-40s refused in %.3f ms (both modes)\n", what, ms);
  }
  tq::SetCurrentDocument(nullptr);
  std::remove(path.c_str());
  if (status) std::printf("a damaged file was accepted\n");
  return status;
}
