// Helpers of the workspace tests: byte strings, temporary files and a
// snapshot of the workspace to show that a refused file changed nothing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/object_list.h"

namespace tq::testing {

using Bytes = std::vector<uint8_t>;

// "01 00 FF FF" -> bytes.
Bytes FromHex(const std::string& hex);
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes U16(uint16_t v);
Bytes I32(int32_t v);
Bytes F64(double v);
Bytes Text(const std::string& text);  // the characters alone

// The bytes the writer produces for the current workspace.
Bytes WorkspaceBytes();

// Every object's entry and the stream of the valid ones: equal snapshots
// mean an unchanged workspace.
std::string WorkspaceSnapshot();

// A fresh directory, removed with its files when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::string Write(const std::string& name, const Bytes& bytes) const;
  std::string WriteText(const std::string& name, const std::string& text) const;
  Bytes Read(const std::string& name) const;
  std::string ReadText(const std::string& name) const;

 private:
  std::filesystem::path dir_;
};

}  // namespace tq::testing
