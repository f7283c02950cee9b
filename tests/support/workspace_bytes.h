// Workspace files byte by byte: byte strings, saving and opening as the file
// commands do, and a snapshot of the workspace to show that a refused file
// changed nothing.
#pragma once

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "core/object_list.h"
#include "core/ui_port.h"
#include "support/workbench_test.h"
#include "workspace/archive_writer.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_format.h"

namespace tq::testing {

using Bytes = std::vector<uint8_t>;

inline Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes FromHex(const std::string& hex) {  // "01 00 FF FF"
  Bytes out;
  std::istringstream in(hex);
  for (std::string byte; in >> byte;) out.push_back(uint8_t(std::stoul(byte, nullptr, 16)));
  return out;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

inline Bytes I32(int32_t v) {
  const uint32_t u = uint32_t(v);
  return {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
}

inline Bytes F64(double v) {
  Bytes out(8);
  std::memcpy(out.data(), &v, 8);
  return out;
}

// Saving and opening as the file commands do: a failure's message is shown.
inline int32_t SaveShowingFailure(const std::string& path) {
  std::string failure;
  const int32_t saved = SaveWorkspaceFile(path, failure);
  if (!failure.empty()) ShowMessage(failure);
  return saved;
}

inline int32_t OpenShowingFailure(const std::string& path, bool keepObjects) {
  std::string failure;
  const int32_t opened = OpenWorkspaceFile(path, keepObjects, failure);
  if (!failure.empty()) ShowMessage(failure);
  return opened;
}

// The bytes the writer produces for the current workspace.
inline Bytes WorkspaceBytes() {
  ArchiveWriter writer;
  WriteWorkspace(writer, CurrentDocument()->objects);
  return writer.bytes();
}

// Every object's entry and the bytes of the valid ones.
inline std::string WorkspaceSnapshot() {
  std::string snapshot;
  for (const auto& entry : CurrentDocument()->objects.entries())
    snapshot += entry ? entry->name + " kind " + std::to_string(entry->kind) + " status " +
                            std::to_string(entry->status) + "\n"
                      : "<null>\n";
  const Bytes bytes = WorkspaceBytes();
  return snapshot.append(bytes.begin(), bytes.end());
}

// The head of a record of the math object class, and the marker that ends a record.
inline const Bytes kClassHead = Concat({FromHex("FF FF 01 00 0A 00"), Text("MathObject")});
inline const Bytes kMarker = FromHex("41 42 0F 00");

}  // namespace tq::testing
