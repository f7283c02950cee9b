#include "workspace/workspace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq {

namespace {

std::string SaveFailure(const std::string& path, int error) {
  return "Unable to write workspace file\n" + path + "\n" + std::strerror(error);
}

// The mode a new file gets from the process's umask.
mode_t DefaultFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Writes the workspace into an open temporary file; 0 or an errno value.
int WriteInto(FILE* file) {
  ArchiveWriter writer(file);
  WriteWorkspace(writer, CurrentDocument()->objects);
  if (!writer.Flush() || std::fflush(file) != 0) return errno ? errno : EIO;
  if (fsync(fileno(file)) != 0) return errno;
  return 0;
}

}  // namespace

int32_t SaveWorkspaceFile(const std::string& path) {
  if (!CurrentDocument()) return 0;
  // Every path that creates an object replaces the one of its name; a file
  // with two would lose one of them when it is read back.
  if (std::optional<std::string> shared = SharedObjectName(CurrentDocument()->objects)) {
    ShowMessage("Unable to write workspace file\n" + path +
                "\nInternal error: two objects are named <" + *shared + ">.");
    return 0;
  }
  struct stat existing;
  const mode_t mode = stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777)
                                                          : DefaultFileMode();
  std::string temporary = path + ".XXXXXX";
  int fd = mkstemp(temporary.data());
  if (fd < 0) {
    ShowMessage(SaveFailure(path, errno));
    return 0;
  }
  fchmod(fd, mode);
  FILE* file = fdopen(fd, "wb");
  if (!file) {
    int error = errno;
    close(fd);
    unlink(temporary.c_str());
    ShowMessage(SaveFailure(path, error));
    return 0;
  }
  errno = 0;
  int error = WriteInto(file);
  if (std::fclose(file) != 0 && !error) error = errno ? errno : EIO;
  if (!error && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error) {
    unlink(temporary.c_str());
    ShowMessage(SaveFailure(path, error));
    return 0;
  }
  PurgeInvalidObjects();
  Report("Workspace saved in file");
  return 1;
}

WorkspaceContents ReadWorkspaceFile(const std::string& path) {
  WorkspaceContents contents;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    contents.problem = WorkspaceProblem::kOpen;
    contents.detail = std::strerror(errno);
    return contents;
  }
  struct stat info;
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
    std::fclose(file);
    contents.problem = WorkspaceProblem::kOpen;
    contents.detail = "Not a regular file.";
    return contents;
  }
  FileSource source(file, uint64_t(info.st_size));
  ArchiveReader reader(source);
  contents = ReadWorkspace(reader);
  std::fclose(file);
  return contents;
}

void ApplyWorkspaceContents(WorkspaceContents contents, bool keepObjects) {
  if (!keepObjects) DeleteAllObjects();
  for (WorkspaceRecord& record : contents.records) {
    // An object of the same name is replaced, whatever its kind and however
    // long its name, so no name is held twice.
    while (DeleteObjectByName(record.name)) {
    }
    if (record.object) AddObject(std::move(record.object));
  }
  PurgeInvalidObjects();
  Report("Workspace loaded from file");
}

int32_t OpenWorkspaceFile(const std::string& path, bool keepObjects) {
  if (!CurrentDocument()) return 0;
  WorkspaceContents contents = ReadWorkspaceFile(path);
  if (!contents.ok()) {
    ShowMessage(WorkspaceProblemMessage(contents.problem, path, contents.detail));
    return 0;
  }
  ApplyWorkspaceContents(std::move(contents), keepObjects);
  return 1;
}

}  // namespace tq
