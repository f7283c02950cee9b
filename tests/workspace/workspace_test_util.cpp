#include "workspace_test_util.h"

#include <stdlib.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "workspace/archive_writer.h"
#include "workspace/workspace_format.h"

namespace tq::testing {

Bytes FromHex(const std::string& hex) {
  Bytes out;
  std::istringstream in(hex);
  std::string byte;
  while (in >> byte) out.push_back(uint8_t(std::stoul(byte, nullptr, 16)));
  return out;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes U16(uint16_t v) { return {uint8_t(v), uint8_t(v >> 8)}; }

Bytes I32(int32_t v) {
  uint32_t u = uint32_t(v);
  return {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
}

Bytes F64(double v) {
  Bytes out(8);
  std::memcpy(out.data(), &v, 8);
  return out;
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes WorkspaceBytes() {
  ArchiveWriter writer;
  WriteWorkspace(writer, CurrentDocument()->objects);
  return writer.bytes();
}

std::string WorkspaceSnapshot() {
  std::string snapshot;
  for (const auto& entry : CurrentDocument()->objects.entries) {
    if (!entry) {
      snapshot += "<null>\n";
      continue;
    }
    snapshot += entry->name + " kind " + std::to_string(entry->kind) + " status " +
                std::to_string(entry->status) + "\n";
  }
  Bytes bytes = WorkspaceBytes();
  snapshot.append(bytes.begin(), bytes.end());
  return snapshot;
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tq-ws-XXXXXX").string();
  dir_ = mkdtemp(pattern.data());
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(dir_, ignored);
}

std::string TempDir::Write(const std::string& name, const Bytes& bytes) const {
  std::ofstream out(Path(name), std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return Path(name);
}

std::string TempDir::WriteText(const std::string& name, const std::string& text) const {
  std::ofstream out(Path(name), std::ios::binary);
  out << text;
  return Path(name);
}

Bytes TempDir::Read(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string TempDir::ReadText(const std::string& name) const {
  Bytes bytes = Read(name);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace tq::testing
