#include "workspace/archive_reader.h"

#include <bit>
#include <cstring>

namespace tq {

static_assert(std::endian::native == std::endian::little,
              "the archive's doubles are read straight into element storage");

namespace {

// Marks, after the byte 0xFF, of a string of 2-byte characters and of a
// 32-bit length.
constexpr uint16_t kWideStringMark = 0xFFFE;
constexpr uint16_t kLongStringMark = 0xFFFF;

}  // namespace

bool MemorySource::Read(void* out, size_t count) {
  if (count > bytes_.size() - position_) return false;
  if (count) std::memcpy(out, bytes_.data() + position_, count);
  position_ += count;
  return true;
}

bool FileSource::Read(void* out, size_t count) {
  if (count > remaining_) return false;
  if (std::fread(out, 1, count, file_) != count) return false;
  remaining_ -= count;
  return true;
}

void ArchiveReader::Require(uint64_t bytes) const {
  if (bytes > source_.Remaining()) throw WorkspaceReadError(WorkspaceProblem::kEndOfFile);
}

void ArchiveReader::ReadExact(void* out, size_t count) {
  if (!source_.Read(out, count)) throw WorkspaceReadError(WorkspaceProblem::kEndOfFile);
}

uint8_t ArchiveReader::ReadU8() {
  uint8_t value;
  ReadExact(&value, 1);
  return value;
}

uint16_t ArchiveReader::ReadU16() {
  uint8_t b[2];
  ReadExact(b, 2);
  return uint16_t(b[0] | (b[1] << 8));
}

uint32_t ArchiveReader::ReadU32() {
  uint8_t b[4];
  ReadExact(b, 4);
  return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

double ArchiveReader::ReadDouble() {
  double value;
  ReadExact(&value, sizeof value);
  return value;
}

void ArchiveReader::ReadDoubles(double* out, uint64_t count) {
  Require(count * sizeof(double));
  ReadExact(out, size_t(count) * sizeof(double));
}

uint64_t ArchiveReader::ReadStringLength(bool& wide) {
  wide = false;
  uint8_t first = ReadU8();
  if (first < 0xFF) return first;
  uint16_t middle = ReadU16();
  if (middle == kWideStringMark) {
    // The length encoding starts again; a second mark is not a length.
    wide = true;
    first = ReadU8();
    if (first < 0xFF) return first;
    middle = ReadU16();
    if (middle == kWideStringMark) throw WorkspaceReadError(WorkspaceProblem::kStringForm);
  }
  if (middle < kLongStringMark) return middle;
  return ReadU32();
}

std::string ArchiveReader::ReadString() {
  bool wide = false;
  const uint64_t length = ReadStringLength(wide);
  const uint64_t bytes = wide ? length * 2 : length;
  Require(bytes);
  std::string text;
  try {
    text.resize(size_t(length));
  } catch (const std::bad_alloc&) {
    throw WorkspaceReadError(WorkspaceProblem::kNoMemory);
  }
  if (!wide) {
    if (length) ReadExact(text.data(), size_t(length));
    return text;
  }
  // UTF-16 code units become single-byte characters; those beyond one
  // byte have no single-byte form and become '?'.
  for (size_t i = 0; i < text.size(); ++i) {
    uint16_t unit = ReadU16();
    text[i] = unit < 0x100 ? char(unit) : '?';
  }
  return text;
}

}  // namespace tq
