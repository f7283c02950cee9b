#include "lang/interpreter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "core/fp_flags.h"
#include "core/user_cancel.h"
#include "lang/builtins.h"
#include "lang/lang_state.h"
#include "lang/opcodes.h"
#include "lang/program_io.h"

namespace tq::lang {

namespace {

// Leaves the machine for RunCompiled; the text is in Registers::errorText.
struct EvalExit {};

constexpr int kPollEvery = 32;


Registers& Regs() { return Lang().registers; }

// rand() starts from the time at program start, as the desktop program
// seeds it when it starts.
const bool kRandomSeeded = (std::srand(unsigned(std::time(nullptr))), true);

void SetErrorText(std::string_view text) {
  size_t n = std::min(text.size(), size_t(kMessageSize - 1));
  std::memcpy(Regs().errorText, text.data(), n);
  Regs().errorText[n] = '\0';
}

void AppendIoItem(int32_t kind, const void* reference) {
  if (Regs().ioMode == IO_NONE) RaiseEvalError(EVAL_UNKNOWN_OPERATOR);
  if (Regs().ioCount >= kIoListSize) RaiseEvalError(EVAL_IO_LIST_OVERFLOW);
  Regs().ioList[Regs().ioCount++] = IoItem{kind, reference};
}

// Countdown step of a condition: every 21st test polls for a stop.
inline void ConditionCountdown() {
  if (Regs().countdown-- == 0) {
    Regs().countdown = kConditionCountdown;
    PollCancel();
  }
}

double Execute(double x) {
  PollCancel();
  Regs().ioMode = IO_NONE;
  Regs().ioCount = 0;
  Regs().countdown = kConditionCountdown;
  Lang().argumentCell = x;
  if (Lang().program.stackDepth > kValueStackSize) RaiseEvalError(EVAL_VALUE_STACK_OVERFLOW);

  const uint8_t* const code = Lang().program.code;
  const uint8_t* pc = code;
  const uint8_t* const end = code + Lang().program.length;
  double* sp = Regs().stack;  // next free entry; the top is sp[-1]
  while (pc < end) {
    uint8_t opcode = *pc++;
    switch (opcode) {
      case OP_End:
        return Lang().resultRegister;
      case OP_Constant:
        *sp++ = ReadOperand<double>(pc);
        pc += sizeof(double);
        break;
      case OP_Argument:
        *sp++ = Lang().argumentCell;
        pc += 1;
        break;
      case OP_Variable:
        *sp++ = *ReadOperand<const double*>(pc);
        pc += sizeof(void*);
        break;
      case OP_Row:
        *sp++ = double(Lang().rowRegister);
        break;
      case OP_Column:
        *sp++ = double(Lang().columnRegister);
        break;
      case OP_Rand:
        *sp++ = double(std::rand() % 32768) / 32768.0;
        break;
      case OP_IntPart:
        sp[-1] = IntegerPart(sp[-1]);
        break;
      case OP_Builtin: {
        int32_t status = 0;
        sp[-1] = ApplyBuiltin1(*pc++, sp[-1], &status);
        if (status) RaiseEvalError(status);
        break;
      }
      case OP_Negate:
        sp[-1] = -sp[-1];
        break;
      case OP_Not:
        sp[-1] = sp[-1] == 0.0 ? 1.0 : 0.0;
        break;
      case OP_Add: --sp; sp[-1] = sp[-1] + sp[0]; break;
      case OP_Subtract: --sp; sp[-1] = sp[-1] - sp[0]; break;
      case OP_Multiply: --sp; sp[-1] = sp[-1] * sp[0]; break;
      case OP_Divide:
        --sp;
        if (sp[0] == 0.0) RaiseEvalError(EVAL_DIVIDE_BY_ZERO);
        sp[-1] = sp[-1] / sp[0];
        break;
      case OP_Power:
        --sp;
        // A square exactly as pow gives it, without the call.
        sp[-1] = sp[0] == 2.0 ? sp[-1] * sp[-1] : PowerOf(sp[-1], sp[0]);
        break;
      case OP_Less: --sp; sp[-1] = sp[-1] < sp[0] ? 1.0 : 0.0; break;
      case OP_Greater: --sp; sp[-1] = sp[-1] > sp[0] ? 1.0 : 0.0; break;
      case OP_LessEqual: --sp; sp[-1] = sp[-1] <= sp[0] ? 1.0 : 0.0; break;
      case OP_GreaterEqual: --sp; sp[-1] = sp[-1] >= sp[0] ? 1.0 : 0.0; break;
      case OP_Equal: --sp; sp[-1] = sp[-1] == sp[0] ? 1.0 : 0.0; break;
      case OP_NotEqual: --sp; sp[-1] = sp[-1] != sp[0] ? 1.0 : 0.0; break;
      case OP_And: --sp; sp[-1] = (sp[-1] == 0.0 || sp[0] == 0.0) ? 0.0 : 1.0; break;
      case OP_Or: --sp; sp[-1] = (sp[-1] == 0.0 && sp[0] == 0.0) ? 0.0 : 1.0; break;
      case OP_SetResult:
        Lang().resultRegister = *--sp;
        break;
      case OP_StoreVariable: {
        double value = *--sp;
        *ReadOperand<double*>(pc) = value;
        Lang().resultRegister = value;
        pc += sizeof(void*);
        break;
      }
      case OP_Jump:
        pc = code + ReadOperand<LabelOperand>(pc);
        break;
      case OP_JumpIfZero:
        ConditionCountdown();
        if (*--sp == 0.0)
          pc = code + ReadOperand<LabelOperand>(pc);
        else
          pc += sizeof(LabelOperand);
        break;
      case OP_Mark:
        pc += sizeof(LabelOperand);
        break;
      case OP_Input:
      case OP_Output:
      case OP_Print:
        Regs().ioMode = opcode == OP_Input ? IO_INPUT : opcode == OP_Output ? IO_OUTPUT : IO_PRINT;
        Regs().ioCount = 0;
        break;
      case OP_ListVariable:
        AppendIoItem(IO_ITEM_VARIABLE, ReadOperand<const void*>(pc));
        pc += sizeof(void*);
        break;
      case OP_ListString:
        AppendIoItem(IO_ITEM_STRING, ReadOperand<const void*>(pc));
        pc += sizeof(void*);
        break;
      case OP_PerformIo:
        if (Regs().ioMode < IO_INPUT || Regs().ioMode > IO_PRINT) RaiseEvalError(EVAL_UNKNOWN_OPERATOR);
        if (Regs().ioMode == IO_INPUT) NoteChange(CHANGE_VARIABLE);
        PerformIoStatement(Regs().ioMode, Regs().ioList, Regs().ioCount);
        Regs().ioMode = IO_NONE;
        Regs().ioCount = 0;
        break;
      default:
        RaiseEvalError(EVAL_UNKNOWN_OPERATOR);
    }
  }
  return Lang().resultRegister;
}

}  // namespace

std::string EvalErrorText(int32_t code) {
  switch (code) {
    case EVAL_ARGUMENT_ZERO: return "Special function argument must be #0 ";
    case EVAL_ARGUMENT_NEGATIVE_INTEGER: return "Special function argument must be \xF2" "0 ";
    case EVAL_ORDER_NEGATIVE: return "Order of Special function must be \xF2" "0 ";
    case EVAL_ARGUMENT_BELOW_MINUS_ONE: return "Special function argument must be \xF2" "-1 ";
    case EVAL_UNKNOWN_FUNCTION: return "Unrecognized function ";
    case EVAL_UNKNOWN_OPERATOR: return "Unrecognized operator ";
    case EVAL_DIVIDE_BY_ZERO: return "Floating point error: Divide by zero ";
    default: {
      char text[32];
      std::snprintf(text, sizeof text, " Error %d ", code + 100);
      return text;
    }
  }
}

void RaiseEvalError(int32_t code) {
  SetErrorText(EvalErrorText(code));
  throw EvalExit{};
}

void AbortEvaluation(std::string_view text) {
  SetErrorText(text);
  throw EvalExit{};
}

void PollCancel() {
  if (++Regs().pollCounter < kPollEvery) return;
  Regs().pollCounter = 0;
  const bool stop = Regs().stopAnswered ? (Regs().stopAnswered = 0, true) : PollUserCancel() == 1;
  if (stop) {
    Core().userCancelled = 1;
    AbortEvaluation(kTerminatedByUser);
  }
}

void ClearPollCounter() { Regs().pollCounter = 0; }

size_t CountPollsUntilStop(size_t count) {
  size_t counted = 0;
  for (;;) {
    const size_t room = size_t(kPollEvery - Regs().pollCounter);
    if (count - counted < room) {
      Regs().pollCounter += int32_t(count - counted);
      return count;
    }
    counted += room;
    Regs().pollCounter = 0;
    if (PollUserCancel() == 1) {
      Core().userCancelled = 1;
      return counted - 1;
    }
  }
}

bool CountPolls(size_t count) { return CountPollsUntilStop(count) == count; }

void StopAtNextPoll() {
  Regs().pollCounter = kPollEvery - 1;
  Regs().stopAnswered = 1;
}

int32_t PollCount() { return Regs().pollCounter; }

void SetPollCount(int32_t count) { Regs().pollCounter = count; }

double RunCompiled(double x, int32_t* returnCode, char* messageBuffer) {
  int32_t unused = 0;
  if (!returnCode) returnCode = &unused;
  *returnCode = messageBuffer ? RUN_UNDER_WAY : RUN_UNDER_WAY_NO_BUFFER;
  if (!Lang().program.compiled) {
    if (messageBuffer) std::snprintf(messageBuffer, kMessageSize, "%s", "Function was not compiled properly");
    *returnCode = RUN_FAILED;
    return x;
  }
  Regs().errorText[0] = '\0';
  // Recorded once per run, not per assignment.
  if (Lang().program.storesVariables) NoteChange(CHANGE_VARIABLE);
  try {
    double value = Execute(x);
    *returnCode = RUN_DONE;
    return value;
  } catch (const EvalExit&) {
    // A pending exception flag must not leak into the next run.
    ClearFpExceptions();
    *returnCode = Core().userCancelled ? RUN_STOPPED : RUN_FAILED;
    size_t length = std::strlen(Regs().errorText);
    if (messageBuffer && length > 0 && length < size_t(kMessageSize))
      std::memcpy(messageBuffer, Regs().errorText, length + 1);
    return x;
  }
}

}  // namespace tq::lang
