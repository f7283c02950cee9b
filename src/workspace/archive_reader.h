// Reads the little-endian values of a workspace archive. Every read checks
// the bytes that remain first, so a size claimed by a damaged file is
// refused before anything is allocated for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "workspace/workspace_error.h"

namespace tq {

// Where the archive's bytes come from.
class ArchiveSource {
 public:
  virtual ~ArchiveSource() = default;
  // Reads exactly `count` bytes; false when they are not there.
  virtual bool Read(void* out, size_t count) = 0;
  virtual uint64_t Remaining() const = 0;
};

class MemorySource : public ArchiveSource {
 public:
  explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  bool Read(void* out, size_t count) override;
  uint64_t Remaining() const override { return bytes_.size() - position_; }

 private:
  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
};

// An open file whose size was taken when reading began.
class FileSource : public ArchiveSource {
 public:
  FileSource(FILE* file, uint64_t size) : file_(file), remaining_(size) {}
  bool Read(void* out, size_t count) override;
  uint64_t Remaining() const override { return remaining_; }

 private:
  FILE* file_;
  uint64_t remaining_;
};

// Throws WorkspaceReadError on a short or malformed read.
class ArchiveReader {
 public:
  explicit ArchiveReader(ArchiveSource& source) : source_(source) {}

  uint8_t ReadU8();
  uint16_t ReadU16();
  uint32_t ReadU32();
  int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }
  double ReadDouble();
  // `count` doubles into `out`; refused at once when the file is too short.
  void ReadDoubles(double* out, uint64_t count);
  // An archive string in any of its length forms, 2-byte characters included.
  std::string ReadString();
  // Throws unless `bytes` more bytes remain.
  void Require(uint64_t bytes) const;

  uint64_t Remaining() const { return source_.Remaining(); }

 private:
  void ReadExact(void* out, size_t count);
  uint64_t ReadStringLength(bool& wide);

  ArchiveSource& source_;
};

}  // namespace tq
