#include "lang/function_checks.h"

#include <algorithm>
#include <cmath>

#include "core/core_state.h"
#include "core/fp_flags.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/string_format.h"
#include "lang/fast_form.h"
#include "lang/function_objects.h"
#include "lang/interpreter.h"
#include "lang/lang_state.h"

namespace tq {

namespace {

constexpr size_t kMaxFunctionName = 999;
constexpr size_t kMaxShownCompileMessage = 511;

bool ShownLength(const std::string& text) {
  return !text.empty() && text.size() <= kMaxShownCompileMessage;
}

std::string AnsMessage(const std::string& name) {
  return "Incorrect function argument:\nFunction " + name +
         "f(x) must depend on variable x.\nFunction must not depend on variable ans.\n"
         "Please correct error and try again.";
}

std::string OperatorMessage(const std::string& name) {
  return "Incorrect operator:\nFunction " + name +
         "(x) must not contain user-interface operators: INPUT, OUTPUT, PRINT.\n"
         "Please correct error and try again.";
}

// Compiles with the usage flags recorded.
int32_t CompileForCheck(std::string& name, std::string& message) {
  lang::Lang().analysisMode = 1;
  lang::Lang().usesX = 0;
  lang::Lang().usesAns = 0;
  int32_t result = CompileFunctionByName(name, message);
  lang::Lang().analysisMode = 0;
  return result;
}

}  // namespace

int32_t CompileFunctionByName(std::string& name, std::string& shown) {
  shown.clear();
  size_t cut = name.find_first_of(" :");
  if (cut != std::string::npos) name.erase(cut);
  if (name.empty() || name.size() > kMaxFunctionName) return -1;
  if (!FindObject(name, OBJMASK_FUNCTION)) {
    shown = "Error:\nFunction name string is incorrect.\nPlease select valid function name in the list";
    return -1;
  }
  std::string message;
  int32_t result = CompileFunction(name, message);
  if (result == 0) return 0;
  std::string detail;
  if (result >= 1 && result <= 99999) {
    detail = StringPrintf("\nat line number %d", result);
    if (ShownLength(message)) detail += "  " + message;
    shown = "Syntax error in function " + name + " " + detail +
            "\nPlease correct error and try again.\n";
  } else {
    if (ShownLength(message)) detail = "\n" + message;
    shown = "Syntax error in function\n" + name + " " + detail +
            "\nPlease correct error and try again.\n";
  }
  return -1;
}

int32_t CheckFunctionForAnalysis(std::string name, std::string& message) {
  if (int32_t result = CompileForCheck(name, message)) return result;
  if (lang::Lang().usesX == 0) {
    message = "Incorrect function argument:\nFunction " + name +
              "(x) must depend on variable x.\nPlease correct error and try again.";
    return -1;
  }
  if (lang::Lang().usesAns == 1) {
    message = AnsMessage(name);
    return -1;
  }
  if (lang::Lang().usesUiOperator == 1) {
    message = OperatorMessage(name);
    return -1;
  }
  return 0;
}

int32_t CheckFunctionForElements(std::string name, std::string& message) {
  if (int32_t result = CompileForCheck(name, message)) return result;
  if (lang::Lang().usesX == 1) {
    if (lang::Lang().usesAns == 1) {
      message = AnsMessage(name);
      return -1;
    }
    if (lang::Lang().usesUiOperator == 1) {
      message = OperatorMessage(name);
      return -1;
    }
    return 0;
  }
  message = "Warning:\nFunction " + name +
            "(x) should depend on variable x.\nFunction can use variables _M and _N to get "
            "\nrow and column numbers.\nThis function does not depend on variable x.\nDo you "
            "want to continue anyway?";
  return kFunctionWithoutX;
}

double EvaluateAt(double x, int32_t& status, std::string& errorText) {
  status = -1;
  errorText.clear();
  Status().flags = 0;
  Status().message[0] = '\0';
  ClearSseFlags();
  Status().inProtectedCall = 1;
  double value = EvaluateFunction(x, &status, errorText);
  // The flag read must follow the computation of the value.
  asm volatile("" : : "x"(value) : "memory");
  if (uint32_t fault = FaultFromSseFlags(ReadSseFlags())) {
    ClearSseFlags();
    Status().flags |= OPERR_TRAPPED;
    Status().faultCode = fault;
  }
  Status().inProtectedCall = 0;
  if (status != 0 || Status().flags != 0) {
    RecordOperationFailure("Calculation failed");
    std::string_view message = OperationMessage();
    if (errorText.empty() && !message.empty() && message.size() <= 1023) errorText.assign(message);
    status = -1;
    return value;
  }
  if (std::isnan(value)) {
    status = -1;
    errorText = "Invalid value of arithmetic function operand.";
    return x;
  }
  if (!std::isfinite(value)) {
    status = -1;
    errorText = "Arithmetic calculation overflow.";
    return x;
  }
  return value;
}

namespace {

constexpr size_t kBatchSize = lang::kFastBatchSize;

// One batch through the fast form; false when a point failed or a fault
// flag was raised, and the batch must be evaluated point by point.
bool RunCleanBatch(const double* xs, double* values, size_t count,
                   const lang::FastIndexes* indexes = nullptr) {
  ClearSseFlags();
  bool ok = lang::RunFastFormBatch(xs, values, count, indexes);
  // The flag read must follow every computation stored above.
  asm volatile("" : : : "memory");
  if (!ok || FaultFromSseFlags(ReadSseFlags())) return false;
  for (size_t i = 0; i < count; ++i) ok &= std::isfinite(values[i]);
  return ok;
}

}  // namespace

size_t EvaluateAtPoints(const double* xs, double* values, int32_t* statuses, size_t count,
                        std::vector<PointFailure>* failures) {
  size_t failed = 0;
  bool lastClean = false;
  std::string text;
  for (size_t start = 0; start < count; start += kBatchSize) {
    size_t n = std::min(kBatchSize, count - start);
    lastClean = false;
    if (lang::HasFastForm() && lang::CompiledByInterface()) {
      if (!lang::CountPolls(n)) {
        for (size_t i = start; i < count; ++i) {
          values[i] = xs[i];
          statuses[i] = -1;
          if (failures) failures->push_back({i, -1, lang::kTerminatedByUser});
        }
        return failed + (count - start);
      }
      lastClean = RunCleanBatch(xs + start, values + start, n);
    }
    if (lastClean) {
      std::fill(statuses + start, statuses + start + n, 0);
      continue;
    }
    for (size_t i = start; i < start + n; ++i) {
      values[i] = EvaluateAt(xs[i], statuses[i], text);
      if (statuses[i] == 0) continue;
      ++failed;
      if (failures) failures->push_back({i, statuses[i], text});
    }
  }
  if (lastClean) {
    // As after a successful EvaluateAt of the last point.
    lang::Lang().resultRegister = values[count - 1];
    lang::Lang().argumentCell = xs[count - 1];
    Status().flags = 0;
    Status().message[0] = '\0';
  }
  return failed;
}

namespace {

// The element indexes of a batch as the fast form reads them.
struct BatchIndexes {
  alignas(64) double rows[kBatchSize];
  alignas(64) double columns[kBatchSize];
  lang::FastIndexes view{rows, columns};
};

void SetElementRegisters(int64_t element, int32_t columns) {
  lang::Lang().rowRegister = int32_t(element / columns) + 1;
  lang::Lang().columnRegister = int32_t(element % columns) + 1;
}

void FillIndexes(int64_t first, size_t count, int32_t columns, BatchIndexes& out) {
  int64_t row = first / columns + 1, column = first % columns + 1;
  for (size_t i = 0; i < count; ++i) {
    out.rows[i] = double(row);
    out.columns[i] = double(column);
    if (++column > columns) {
      column = 1;
      ++row;
    }
  }
  std::fill(out.rows + count, out.rows + kBatchSize, out.rows[count - 1]);
  std::fill(out.columns + count, out.columns + kBatchSize, out.columns[count - 1]);
}

// Point by point, with the polls of these evaluations already counted.
void EvaluateCountedPoints(const double* xs, double* values, int32_t* statuses, size_t count,
                           ElementRange range) {
  const int32_t polls = lang::PollCount();
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    SetElementRegisters(range.first + int64_t(i), range.columns);
    lang::SetPollCount(0);
    values[i] = EvaluateAt(xs[i], statuses[i], text);
  }
  lang::SetPollCount(polls);
}

}  // namespace

size_t EvaluateAtElements(const double* xs, double* values, int32_t* statuses, size_t count,
                          ElementRange range) {
  const bool batches = lang::HasFastForm() && lang::CompiledByInterface();
  const bool readsIndexes = batches && lang::FastFormReadsIndexes();
  BatchIndexes indexes;
  std::string text;
  for (size_t start = 0; start < count; start += kBatchSize) {
    const size_t n = std::min(kBatchSize, count - start);
    const int64_t first = range.first + int64_t(start);
    if (!batches) {
      for (size_t i = start; i < start + n; ++i) {
        SetElementRegisters(range.first + int64_t(i), range.columns);
        values[i] = EvaluateAt(xs[i], statuses[i], text);
        if (Core().userCancelled == 1) return i + 1;
      }
      continue;
    }
    const size_t running = lang::CountPollsUntilStop(n);
    if (running > 0) {
      if (readsIndexes) FillIndexes(first, running, range.columns, indexes);
      const lang::FastIndexes* inputs = readsIndexes ? &indexes.view : nullptr;
      if (RunCleanBatch(xs + start, values + start, running, inputs)) {
        std::fill(statuses + start, statuses + start + running, 0);
        // As after a successful EvaluateAt of the batch's last point.
        const size_t last = start + running - 1;
        SetElementRegisters(range.first + int64_t(last), range.columns);
        lang::Lang().resultRegister = values[last];
        lang::Lang().argumentCell = xs[last];
        Status().flags = 0;
        Status().message[0] = '\0';
      } else {
        EvaluateCountedPoints(xs + start, values + start, statuses + start, running,
                              {first, range.columns});
      }
    }
    if (running < n) {
      // The evaluation whose poll confirmed the stop fails as it would have.
      const size_t stopped = start + running;
      SetElementRegisters(range.first + int64_t(stopped), range.columns);
      lang::StopAtNextPoll();
      values[stopped] = EvaluateAt(xs[stopped], statuses[stopped], text);
      return stopped + 1;
    }
  }
  return count;
}

}  // namespace tq
