#include "workspace/archive_writer.h"

#include <bit>

namespace tq {

static_assert(std::endian::native == std::endian::little,
              "element storage is written to the archive as it lies");

namespace {

constexpr size_t kFlushThreshold = size_t{1} << 20;

}  // namespace

void ArchiveWriter::Append(const void* data, size_t count) {
  auto* bytes = static_cast<const uint8_t*>(data);
  buffer_.insert(buffer_.end(), bytes, bytes + count);
  if (file_ && buffer_.size() >= kFlushThreshold) Flush();
}

void ArchiveWriter::WriteU8(uint8_t value) { Append(&value, 1); }

void ArchiveWriter::WriteU16(uint16_t value) {
  uint8_t b[2] = {uint8_t(value), uint8_t(value >> 8)};
  Append(b, 2);
}

void ArchiveWriter::WriteU32(uint32_t value) {
  uint8_t b[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
  Append(b, 4);
}

void ArchiveWriter::WriteDouble(double value) { Append(&value, sizeof value); }

void ArchiveWriter::WriteDoubles(std::span<const double> values) {
  if (!file_) {
    Append(values.data(), values.size_bytes());
    return;
  }
  // Large blocks go to the file directly, without a copy in the buffer.
  Flush();
  if (!values.empty() && std::fwrite(values.data(), 1, values.size_bytes(), file_) !=
                             values.size_bytes())
    failed_ = true;
}

void ArchiveWriter::WriteString(std::string_view text) {
  const size_t length = text.size();
  if (length < 0xFF) {
    WriteU8(uint8_t(length));
  } else if (length < 0xFFFE) {
    WriteU8(0xFF);
    WriteU16(uint16_t(length));
  } else {
    WriteU8(0xFF);
    WriteU16(0xFFFF);
    WriteU32(uint32_t(length));
  }
  Append(text.data(), length);
}

bool ArchiveWriter::Flush() {
  if (file_ && !buffer_.empty()) {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
    buffer_.clear();
  }
  return !failed_;
}

}  // namespace tq
