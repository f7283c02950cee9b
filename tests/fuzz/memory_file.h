// A file in memory with a path that fopen accepts, for the targets whose
// routines read from a named file.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

class MemoryFile {
 public:
  MemoryFile() : fd_(memfd_create("tq-fuzz", 0)) {
    if (fd_ < 0) std::abort();
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }
  // Replaces the file's contents.
  const std::string& Hold(const uint8_t* data, size_t size) {
    if (ftruncate(fd_, 0) != 0 || pwrite(fd_, data, size, 0) != ssize_t(size)) std::abort();
    return path_;
  }

 private:
  int fd_;
  std::string path_;
};
