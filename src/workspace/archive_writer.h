// Writes the little-endian values of a workspace archive, into memory or
// through a buffer into an open file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

class ArchiveWriter {
 public:
  // Without a file the bytes stay in memory (bytes()).
  explicit ArchiveWriter(FILE* file = nullptr) : file_(file) {}

  void WriteU8(uint8_t value);
  void WriteU16(uint16_t value);
  void WriteU32(uint32_t value);
  void WriteI32(int32_t value) { WriteU32(static_cast<uint32_t>(value)); }
  void WriteDouble(double value);
  void WriteDoubles(std::span<const double> values);
  // Characters with no length in front (the class name).
  void WriteChars(std::string_view text) { Append(text.data(), text.size()); }
  // The shortest of the three length forms, then the characters.
  void WriteString(std::string_view text);

  // Passes buffered bytes to the file; false when any write failed.
  bool Flush();
  bool failed() const { return failed_; }
  const std::vector<uint8_t>& bytes() const { return buffer_; }

 private:
  void Append(const void* data, size_t count);

  FILE* file_;
  std::vector<uint8_t> buffer_;
  bool failed_ = false;
};

}  // namespace tq
