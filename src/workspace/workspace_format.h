// The workspace stream: the object count, then one tagged record per
// object, in the object-archive layout that workspace files have always had.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/object_list.h"
#include "workspace/archive_reader.h"
#include "workspace/archive_writer.h"
#include "workspace/workspace_error.h"

namespace tq {

inline constexpr int32_t MARKER_END = 1000001;
inline constexpr int32_t SERIES_TAG = 11;
inline constexpr int32_t SERIES_END_TAG = 12;

// One record of a file: its name, and the object it built (none for a
// kind the program does not know).
struct WorkspaceRecord {
  std::string name;
  std::unique_ptr<MathObject> object;
};

// Everything a file holds, read and checked before the workspace changes.
struct WorkspaceContents {
  WorkspaceProblem problem = WorkspaceProblem::kNone;
  std::string detail;
  std::vector<WorkspaceRecord> records;

  bool ok() const { return problem == WorkspaceProblem::kNone; }
};

// Writes the valid objects of `list` in list order.
void WriteWorkspace(ArchiveWriter& out, const ObjectList& list);
void WriteObjectRecord(ArchiveWriter& out, const MathObject& object);

// Reads a whole stream; never throws. On a problem no records are kept.
WorkspaceContents ReadWorkspace(ArchiveReader& in);

}  // namespace tq
