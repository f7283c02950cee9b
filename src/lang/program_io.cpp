#include "lang/program_io.h"

#include "core/string_format.h"
#include "core/ui_port.h"
#include "core/user_cancel.h"

namespace tq::lang {

namespace {

ProgramIo* g_programIo = nullptr;

constexpr size_t kStatementTextSize = 8192;
constexpr size_t kDialogTextSize = 16383;

// Every backslash-n pair becomes a line end.
void ExpandLineEscapes(std::string& text) {
  if (text.size() < 2 || text.size() > kDialogTextSize) return;
  std::string expanded;
  expanded.reserve(text.size() + 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      expanded += "\r\n";
      ++i;
    } else {
      expanded += text[i];
    }
  }
  text.swap(expanded);
}

// The characters of a string item: up to its closing quote or line end.
std::string StringItem(const void* reference) {
  const char* start = static_cast<const char*>(reference);
  size_t n = 0;
  while (n < kStatementTextSize && start[n] && start[n] != '"' && start[n] != '\n') ++n;
  return std::string(start, n);
}

[[noreturn]] void StopRun() {
  Core().userCancelled = 1;
  AbortEvaluation(kTerminatedByUser);
}

void PerformInput(const IoItem* items, int32_t count) {
  ProgramInput form;
  double* cells[ProgramInput::kMaxFields] = {};
  std::string pending;
  bool anyVariable = false;
  for (int32_t i = 0; i < count; ++i) {
    if (items[i].kind == IO_ITEM_STRING) {
      std::string label = StringItem(items[i].reference);
      ExpandLineEscapes(label);
      pending += label;
      continue;
    }
    anyVariable = true;
    if (form.fieldCount >= ProgramInput::kMaxFields) continue;
    cells[form.fieldCount] = static_cast<double*>(const_cast<void*>(items[i].reference));
    form.labels[form.fieldCount] = pending;
    form.values[form.fieldCount] = *cells[form.fieldCount];
    ++form.fieldCount;
    pending.clear();
  }
  form.prompt = pending;
  // With no variable in the list the user only confirms going on.
  if (!g_programIo || !g_programIo->ReadInput(form)) StopRun();
  if (!anyVariable) return;
  std::string report = "Input:";
  for (int k = 0; k < form.fieldCount; ++k) {
    *cells[k] = form.values[k];
    report += StringPrintf("\r\n%.12G ", *cells[k]);
  }
  Report("%s", report.c_str());
}

}  // namespace

ProgramIo* CurrentProgramIo() { return g_programIo; }
void SetProgramIo(ProgramIo* io) { g_programIo = io; }

std::string BuildIoText(const IoItem* items, int32_t count) {
  std::string text;
  for (int32_t i = 0; i < count && text.size() < kStatementTextSize; ++i) {
    if (items[i].kind == IO_ITEM_VARIABLE)
      text += StringPrintf("%.12G ", *static_cast<const double*>(items[i].reference));
    else
      text += StringItem(items[i].reference);
  }
  ExpandLineEscapes(text);
  return text;
}

void PerformIoStatement(int32_t mode, const IoItem* items, int32_t count) {
  if (mode == IO_INPUT) return PerformInput(items, count);
  std::string text = BuildIoText(items, count);
  if (mode == IO_OUTPUT) {
    if (text.size() >= kDialogTextSize) return;
    Report("%s", text.c_str());
    if (!g_programIo || !g_programIo->ShowOutput(text)) StopRun();
    return;
  }
  Report("%s", text.c_str());
  PollCancel();
}

}  // namespace tq::lang
