#include "workspace/workspace_error.h"

namespace tq {

namespace {

std::string ArchiveProblemText(WorkspaceProblem problem, const std::string& detail) {
  switch (problem) {
    case WorkspaceProblem::kEndOfFile: return "Unexpected end of file.";
    case WorkspaceProblem::kClassName: return "Unknown object class <" + detail + ">.";
    case WorkspaceProblem::kClassSchema: return "Unsupported object class version " + detail + ".";
    case WorkspaceProblem::kClassTag: return "Unexpected object tag " + detail + ".";
    case WorkspaceProblem::kStringForm: return "Invalid text field.";
    case WorkspaceProblem::kSize: return "Invalid size of " + detail + ".";
    case WorkspaceProblem::kNoMemory: return detail.empty() ? "Not enough memory." : detail;
    case WorkspaceProblem::kOpen: return detail;
    default: return {};
  }
}

}  // namespace

std::string WorkspaceProblemMessage(WorkspaceProblem problem, const std::string& path,
                                    const std::string& detail) {
  if (problem == WorkspaceProblem::kRecordMarker) return "Input data file invalid or corrupted";
  if (problem == WorkspaceProblem::kSeriesFormat)
    return "Invalid format of data series. Input data file invalid or corrupted";
  return "Unable to read workspace file\n" + path + "\n" + ArchiveProblemText(problem, detail);
}

}  // namespace tq
