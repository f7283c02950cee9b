// The fixture of the workspace tests: byte strings, a temporary folder and
// a snapshot of the workspace to show that a refused file changed nothing.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/object_list.h"
#include "core/ui_port.h"
#include "support/scripted_ui.h"
#include "workspace/archive_writer.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_format.h"

namespace tq::testing {

using Bytes = std::vector<uint8_t>;
using Lines = std::vector<std::string>;

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

class WorkspaceTest : public WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "tq-ws-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
    WorkbenchTest::TearDown();
  }

  template <class T>
  T& Add(const std::string& name, std::unique_ptr<T> object) {
    object->name = name;
    T& ref = *object;
    AddObject(std::move(object));
    return ref;
  }
  Lines Names() const {
    Lines names;
    for (const auto& entry : document.objects.entries()) names.push_back(entry->name);
    return names;
  }

  // Files in a fresh folder, removed after the test.
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
  }
  std::string Write(const std::string& name, const Bytes& bytes) const {
    return Write(name, std::string(bytes.begin(), bytes.end()));
  }
  std::string ReadText(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::filesystem::path dir_;
  const Bytes kClassHead = Concat({FromHex("FF FF 01 00 0A 00"), Text("MathObject")});
  const Bytes kMarker = FromHex("41 42 0F 00");
};

}  // namespace tq::testing
