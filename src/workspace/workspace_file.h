// Saving and opening workspace files. Reading is staged: the whole file is
// read and checked before the workspace changes, so a refused file leaves
// the workspace exactly as it was.
#pragma once

#include <cstdint>
#include <string>

#include "workspace/workspace_format.h"

namespace tq {

// Writes every valid object to `path` through a temporary file beside it
// that replaces the target only when it was written completely; the target
// is the file a symbolic link names, and keeps its owner and mode. A
// read-only file, a directory or a FIFO or device is refused. Where no
// temporary file can be made beside a writable file, the contents are built
// in memory and written over the file itself, which the report says.
// Reports "Workspace saved in file" and returns 1; on failure returns 0
// with the message for the command to show in `failure` (empty when there
// is no document).
int32_t SaveWorkspaceFile(const std::string& path, std::string& failure);

// Reads and checks a whole file without touching the workspace.
WorkspaceContents ReadWorkspaceFile(const std::string& path);

// Replaces the workspace with the file's objects or, with `keepObjects`,
// merges them in (objects of the same name are replaced). Returns 0 when
// the file is refused, with the problem's message for the command to show
// in `failure` (empty when there is no document).
int32_t OpenWorkspaceFile(const std::string& path, bool keepObjects, std::string& failure);

// Puts checked contents into the workspace with the reports of an open.
void ApplyWorkspaceContents(WorkspaceContents contents, bool keepObjects);

}  // namespace tq
