// Any bytes given to the workspace reader: refused or read, never a crash;
// what was read writes and reads back to the same bytes.
#include <cstdint>
#include <cstdlib>

#include "core/object_list.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_format.h"

namespace {

std::vector<uint8_t> Written(const tq::Document& document) {
  tq::ArchiveWriter writer;
  tq::WriteWorkspace(writer, document.objects);
  return writer.bytes();
}

// Reads `bytes` into a fresh workspace and writes it again.
bool ReadAndWrite(const uint8_t* data, size_t size, std::vector<uint8_t>& out) {
  tq::MemorySource source({data, size});
  tq::ArchiveReader reader(source);
  tq::WorkspaceContents contents = tq::ReadWorkspace(reader);
  if (!contents.ok()) return false;
  tq::Document document;
  tq::SetCurrentDocument(&document);
  tq::ApplyWorkspaceContents(std::move(contents), false);
  out = Written(document);
  tq::SetCurrentDocument(nullptr);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> first, second;
  if (!ReadAndWrite(data, size, first)) return 0;
  if (!ReadAndWrite(first.data(), first.size(), second) || first != second) std::abort();
  return 0;
}
