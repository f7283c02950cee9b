#include "lang/fast_form.h"

#include <cmath>

#include "lang/builtins.h"
#include "lang/lang_state.h"
#include "lang/opcodes.h"

namespace tq::lang {

namespace {

enum class Fast : uint8_t {
  kPushX, kPushConst, kPushCell, kPushRow, kPushColumn,
  // operations on the top and the next entry
  kAdd, kSub, kMul, kDiv, kPow, kLess, kGreater, kLessEqual, kGreaterEqual, kEqual,
  kNotEqual, kAnd, kOr,
  // with x or a constant as the right operand
  kAddX, kSubX, kMulX, kDivX, kAddK, kSubK, kMulK, kDivK, kPowK, kSquare,
  // on the top alone
  kNegate, kNot, kIntPart, kBuiltin, kSetResult,
};

struct FastOp {
  Fast op;
  uint8_t builtin;
  double constant;
  const double* cell;
};

constexpr size_t kMaxFastOps = kCodeBufferSize;

struct FastForm {
  bool usable = false;
  size_t count = 0;
  FastOp ops[kMaxFastOps];
};

FastForm F;

bool Binary(uint8_t opcode, Fast* op) {
  switch (opcode) {
    case OP_Add: *op = Fast::kAdd; return true;
    case OP_Subtract: *op = Fast::kSub; return true;
    case OP_Multiply: *op = Fast::kMul; return true;
    case OP_Divide: *op = Fast::kDiv; return true;
    case OP_Power: *op = Fast::kPow; return true;
    case OP_Less: *op = Fast::kLess; return true;
    case OP_Greater: *op = Fast::kGreater; return true;
    case OP_LessEqual: *op = Fast::kLessEqual; return true;
    case OP_GreaterEqual: *op = Fast::kGreaterEqual; return true;
    case OP_Equal: *op = Fast::kEqual; return true;
    case OP_NotEqual: *op = Fast::kNotEqual; return true;
    case OP_And: *op = Fast::kAnd; return true;
    case OP_Or: *op = Fast::kOr; return true;
    default: return false;
  }
}

// Fuses "push x; op" and "push constant; op" into one operation.
bool Fuse(FastOp& last, Fast op) {
  if (last.op == Fast::kPushX) {
    switch (op) {
      case Fast::kAdd: last.op = Fast::kAddX; return true;
      case Fast::kSub: last.op = Fast::kSubX; return true;
      case Fast::kMul: last.op = Fast::kMulX; return true;
      case Fast::kDiv: last.op = Fast::kDivX; return true;
      default: return false;
    }
  }
  if (last.op == Fast::kPushConst) {
    switch (op) {
      case Fast::kAdd: last.op = Fast::kAddK; return true;
      case Fast::kSub: last.op = Fast::kSubK; return true;
      case Fast::kMul: last.op = Fast::kMulK; return true;
      case Fast::kDiv:
        if (last.constant == 0.0) return false;  // the general path raises the error
        last.op = Fast::kDivK;
        return true;
      case Fast::kPow:
        last.op = last.constant == 2.0 ? Fast::kSquare : Fast::kPowK;
        return true;
      default: return false;
    }
  }
  return false;
}

bool Append(FastOp op) {
  if (F.count >= kMaxFastOps) return false;
  F.ops[F.count++] = op;
  return true;
}

inline double Truth(bool value) { return value ? 1.0 : 0.0; }

}  // namespace

void ClearFastForm() {
  F.usable = false;
  F.count = 0;
}

bool HasFastForm() { return F.usable; }

bool BuildFastForm() {
  ClearFastForm();
  if (!Program.compiled || Program.stackDepth > kValueStackSize) return false;
  bool hasResult = false;
  for (int32_t at = 0; at < Program.length;) {
    uint8_t opcode = Program.code[at];
    Operand kind;
    if (!OperandOf(opcode, &kind)) return false;
    const uint8_t* operand = Program.code + at + 1;
    at += int32_t(1 + OperandSize(kind));
    Fast binary;
    bool ok = true;
    switch (opcode) {
      case OP_End: at = Program.length; break;
      case OP_Constant: ok = Append({Fast::kPushConst, 0, ReadOperand<double>(operand), nullptr}); break;
      case OP_Argument: ok = Append({Fast::kPushX, 0, 0.0, nullptr}); break;
      case OP_Variable: ok = Append({Fast::kPushCell, 0, 0.0, ReadOperand<const double*>(operand)}); break;
      case OP_Row: ok = Append({Fast::kPushRow, 0, 0.0, nullptr}); break;
      case OP_Column: ok = Append({Fast::kPushColumn, 0, 0.0, nullptr}); break;
      case OP_Negate: ok = Append({Fast::kNegate, 0, 0.0, nullptr}); break;
      case OP_Not: ok = Append({Fast::kNot, 0, 0.0, nullptr}); break;
      case OP_IntPart: ok = Append({Fast::kIntPart, 0, 0.0, nullptr}); break;
      case OP_Builtin: ok = Append({Fast::kBuiltin, operand[0], 0.0, nullptr}); break;
      case OP_SetResult:
        hasResult = true;
        ok = Append({Fast::kSetResult, 0, 0.0, nullptr});
        break;
      default:
        if (!Binary(opcode, &binary)) return false;  // stores, rand, jumps, I/O
        if (F.count == 0 || !Fuse(F.ops[F.count - 1], binary))
          ok = Append({binary, 0, 0.0, nullptr});
    }
    if (!ok) return false;
  }
  F.usable = hasResult;
  return F.usable;
}

bool RunFastForm(double x, double* value) {
  double stack[kValueStackSize + 1];
  double* sp = stack;  // entries below the top
  double top = 0.0, result = ResultRegister;
  const FastOp* op = F.ops;
  const FastOp* const end = F.ops + F.count;
  for (; op < end; ++op) {
    switch (op->op) {
      case Fast::kPushX: *sp++ = top; top = x; break;
      case Fast::kPushConst: *sp++ = top; top = op->constant; break;
      case Fast::kPushCell: *sp++ = top; top = *op->cell; break;
      case Fast::kPushRow: *sp++ = top; top = double(RowRegister); break;
      case Fast::kPushColumn: *sp++ = top; top = double(ColumnRegister); break;
      case Fast::kAdd: top = *--sp + top; break;
      case Fast::kSub: top = *--sp - top; break;
      case Fast::kMul: top = *--sp * top; break;
      case Fast::kDiv:
        if (top == 0.0) return false;
        top = *--sp / top;
        break;
      case Fast::kPow: --sp; top = top == 2.0 ? *sp * *sp : std::pow(*sp, top); break;
      case Fast::kLess: --sp; top = Truth(*sp < top); break;
      case Fast::kGreater: --sp; top = Truth(*sp > top); break;
      case Fast::kLessEqual: --sp; top = Truth(*sp <= top); break;
      case Fast::kGreaterEqual: --sp; top = Truth(*sp >= top); break;
      case Fast::kEqual: --sp; top = Truth(*sp == top); break;
      case Fast::kNotEqual: --sp; top = Truth(*sp != top); break;
      case Fast::kAnd: --sp; top = Truth(!(*sp == 0.0 || top == 0.0)); break;
      case Fast::kOr: --sp; top = Truth(!(*sp == 0.0 && top == 0.0)); break;
      case Fast::kAddX: top = top + x; break;
      case Fast::kSubX: top = top - x; break;
      case Fast::kMulX: top = top * x; break;
      case Fast::kDivX:
        if (x == 0.0) return false;
        top = top / x;
        break;
      case Fast::kAddK: top = top + op->constant; break;
      case Fast::kSubK: top = top - op->constant; break;
      case Fast::kMulK: top = top * op->constant; break;
      case Fast::kDivK: top = top / op->constant; break;
      case Fast::kPowK: top = std::pow(top, op->constant); break;
      case Fast::kSquare: top = top * top; break;
      case Fast::kNegate: top = -top; break;
      case Fast::kNot: top = Truth(top == 0.0); break;
      case Fast::kIntPart: top = IntegerPart(top); break;
      case Fast::kBuiltin: {
        int32_t status = 0;
        top = ApplyBuiltin1(op->builtin, top, &status);
        if (status) return false;
        break;
      }
      case Fast::kSetResult: result = top; top = *--sp; break;
    }
  }
  *value = result;
  return true;
}

}  // namespace tq::lang
