#include "workspace/workspace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq {

namespace {

std::string SaveFailure(const std::string& path, const std::string& reason) {
  return "Unable to write workspace file\n" + path + "\n" + reason;
}

std::string SaveFailure(const std::string& path, int error) {
  return SaveFailure(path, std::strerror(error));
}

// The mode a new file gets from the process's umask.
mode_t DefaultFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save really writes: symbolic links are followed to the file
// they name (which a dangling link leaves to be created). 0 or an errno value.
int ResolveLinks(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0;; ++hops) {
    struct stat info;
    if (lstat(target.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(info.st_mode)) return 0;
    if (hops == 40) return ELOOP;
    std::string link(size_t(info.st_size > 0 ? info.st_size : PATH_MAX) + 1, '\0');
    const ssize_t length = readlink(target.c_str(), link.data(), link.size());
    if (length < 0) return errno;
    if (size_t(length) == link.size()) return ENAMETOOLONG;  // changed while read
    link.resize(size_t(length));
    target = !link.empty() && link[0] == '/' ? link : DirectoryOf(target) + "/" + link;
  }
}

// Why an existing file may not be replaced, or empty. A file whose mode
// lets nobody write it is read-only also for a privileged user.
std::string ReplaceRefusal(const std::string& target, const struct stat& existing) {
  if (S_ISDIR(existing.st_mode)) return std::strerror(EISDIR);
  if (!S_ISREG(existing.st_mode)) return "Not a regular file.";
  if ((existing.st_mode & 0222) == 0) return std::strerror(EACCES);
  if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return std::strerror(errno);
  return {};
}

// Writes the workspace into an open temporary file; 0 or an errno value.
int WriteInto(FILE* file) {
  ArchiveWriter writer(file);
  WriteWorkspace(writer, CurrentDocument()->objects);
  if (!writer.Flush() || std::fflush(file) != 0) return errno ? errno : EIO;
  if (fsync(fileno(file)) != 0) return errno;
  return 0;
}

int WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += written;
    size -= size_t(written);
  }
  return 0;
}

// Overwrites `target` itself, for a folder where no temporary file can be
// made. The new contents are built whole first, and their space is
// reserved before the old contents change. 0 or an errno value.
int WriteInPlace(const std::string& target) {
  std::vector<uint8_t> bytes;
  try {
    ArchiveWriter writer;
    WriteWorkspace(writer, CurrentDocument()->objects);
    bytes = writer.bytes();
  } catch (const std::bad_alloc&) {
    return ENOMEM;
  }
  const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = posix_fallocate(fd, 0, off_t(bytes.size()));
  if (error == EOPNOTSUPP || error == EINVAL) error = 0;  // no reservation on this file system
  if (!error) error = WriteAll(fd, bytes.data(), bytes.size());
  if (!error && ftruncate(fd, off_t(bytes.size())) != 0) error = errno;
  if (!error && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && !error) error = errno;
  return error;
}

// Writes a temporary file beside `target` and renames it over the target.
// 0 or an errno value; `noTemporary` is set when the temporary file could
// not be created at all.
int WriteReplacing(const std::string& target, const struct stat* existing, bool& noTemporary) {
  // A short name of its own, so that a target name of the system's full
  // length still has a temporary file.
  std::string temporary = DirectoryOf(target) + "/.tq-save-XXXXXX";
  const int fd = mkstemp(temporary.data());
  noTemporary = fd < 0;
  if (fd < 0) return errno;
  // Owner and group are kept as far as this user may set them.
  if (existing) (void)!fchown(fd, existing->st_uid, existing->st_gid);
  fchmod(fd, existing ? existing->st_mode & 07777 : DefaultFileMode());
  FILE* file = fdopen(fd, "wb");
  if (!file) {
    const int error = errno;
    close(fd);
    unlink(temporary.c_str());
    return error;
  }
  errno = 0;
  int error = WriteInto(file);
  if (std::fclose(file) != 0 && !error) error = errno ? errno : EIO;
  if (!error && std::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error) {
    unlink(temporary.c_str());
    return error;
  }
  // The new name is made durable with the folder.
  const int folder = open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
  return 0;
}

}  // namespace

int32_t SaveWorkspaceFile(const std::string& path, std::string& failure) {
  failure.clear();
  if (!CurrentDocument()) return 0;
  // Every path that creates an object replaces the one of its name; a file
  // with two would lose one of them when it is read back.
  if (std::optional<std::string> shared = SharedObjectName(CurrentDocument()->objects)) {
    failure = SaveFailure(path, "Internal error: two objects are named <" + *shared + ">.");
    return 0;
  }
  std::string target;
  if (int error = ResolveLinks(path, target)) {
    failure = SaveFailure(path, error);
    return 0;
  }
  struct stat existing;
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) {
    failure = SaveFailure(path, errno);
    return 0;
  }
  if (exists) {
    const std::string refusal = ReplaceRefusal(target, existing);
    if (!refusal.empty()) {
      failure = SaveFailure(path, refusal);
      return 0;
    }
  }
  bool noTemporary = false;
  int error = WriteReplacing(target, exists ? &existing : nullptr, noTemporary);
  const bool inPlace = error && noTemporary && exists;
  if (inPlace) error = WriteInPlace(target);
  if (error) {
    failure = SaveFailure(path, error);
    return 0;
  }
  PurgeInvalidObjects();
  if (inPlace)
    Report("No temporary file could be created beside the file; it was written in place");
  Report("Workspace saved in file");
  return 1;
}

WorkspaceContents ReadWorkspaceFile(const std::string& path) {
  WorkspaceContents contents;
  contents.problem = WorkspaceProblem::kOpen;
  // Opened without waiting, so that a FIFO at the path is refused rather
  // than waited on.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    contents.detail = std::strerror(errno);
    return contents;
  }
  struct stat info;
  if (fstat(fd, &info) == 0 && !S_ISREG(info.st_mode)) {
    close(fd);
    contents.detail = "Not a regular file.";
    return contents;
  }
  FILE* file = nullptr;
  if (fstat(fd, &info) != 0 || fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
      !(file = fdopen(fd, "rb"))) {
    contents.detail = std::strerror(errno);
    close(fd);
    return contents;
  }
  contents.problem = WorkspaceProblem::kNone;
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

int32_t OpenWorkspaceFile(const std::string& path, bool keepObjects, std::string& failure) {
  failure.clear();
  if (!CurrentDocument()) return 0;
  WorkspaceContents contents = ReadWorkspaceFile(path);
  if (!contents.ok()) {
    failure = WorkspaceProblemMessage(contents.problem, path, contents.detail);
    return 0;
  }
  ApplyWorkspaceContents(std::move(contents), keepObjects);
  return 1;
}

}  // namespace tq
