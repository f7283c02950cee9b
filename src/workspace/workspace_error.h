// Why a workspace file was refused, and the message shown for it.
#pragma once

#include <exception>
#include <string>

namespace tq {

enum class WorkspaceProblem {
  kNone,
  kRecordMarker,   // a wrong end marker after an object record
  kSeriesFormat,   // a wrong end marker after a series, or no series end tag
  kEndOfFile,      // the file ends inside a record
  kClassName,      // a class other than "MathObject"
  kClassSchema,    // a class schema other than 1
  kClassTag,       // an object tag that a workspace file never holds
  kSize,           // a vector or matrix size outside the object limits
  kStringForm,     // a string length mark that no archive writes
  kNoMemory,       // storage for an object or a string could not be obtained
  kOpen,           // the file cannot be opened or read
};

// The message box text for a refused file.
std::string WorkspaceProblemMessage(WorkspaceProblem problem, const std::string& path,
                                    const std::string& detail);

// Thrown inside the reader only; ReadWorkspace turns it into a result.
struct WorkspaceReadError : std::exception {
  WorkspaceReadError(WorkspaceProblem p, std::string d = {}) : problem(p), detail(std::move(d)) {}
  const char* what() const noexcept override { return "workspace read error"; }
  WorkspaceProblem problem;
  std::string detail;
};

}  // namespace tq
