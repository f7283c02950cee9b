#include "lang/fast_form.h"

#include <algorithm>
#include <cmath>

#include "lang/builtins.h"
#include "lang/lang_state.h"
#include "lang/opcodes.h"

namespace tq::lang {

namespace {

FastForm& Form() { return Lang().fastForm; }

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
  if (Form().count >= kMaxFastOps) return false;
  Form().ops[Form().count++] = op;
  return true;
}

inline double Truth(bool value) { return value ? 1.0 : 0.0; }

}  // namespace

void ClearFastForm() {
  Form().usable = false;
  Form().count = 0;
}

bool HasFastForm() { return Form().usable; }

bool FastFormReadsIndexes() {
  for (size_t i = 0; i < Form().count; ++i)
    if (Form().ops[i].op == Fast::kPushRow || Form().ops[i].op == Fast::kPushColumn) return true;
  return false;
}

bool BuildFastForm() {
  ClearFastForm();
  if (!Lang().program.compiled || Lang().program.stackDepth > kValueStackSize) return false;
  bool hasResult = false;
  for (int32_t at = 0; at < Lang().program.length;) {
    uint8_t opcode = Lang().program.code[at];
    Operand kind;
    if (!OperandOf(opcode, &kind)) return false;
    const uint8_t* operand = Lang().program.code + at + 1;
    at += int32_t(1 + OperandSize(kind));
    Fast binary;
    bool ok = true;
    switch (opcode) {
      case OP_End: at = Lang().program.length; break;
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
        if (Form().count == 0 || !Fuse(Form().ops[Form().count - 1], binary))
          ok = Append({binary, 0, 0.0, nullptr});
    }
    if (!ok) return false;
  }
  Form().usable = hasResult;
  return Form().usable;
}

namespace {

// The value stack, one row of points per entry; two spare rows below the
// bottom keep the operand rows of the first instruction in bounds.
using Row = FastRow;

constexpr size_t kN = kFastBatchSize;

// Every operation runs over whole rows: a constant trip count and rows that
// do not overlap let the compiler use vector instructions.
template <class Op>
inline void Each(double* __restrict target, Op op) {
  for (size_t i = 0; i < kN; ++i) target[i] = op(target[i]);
}

template <class Op>
inline void Each(double* __restrict target, const double* __restrict operand, Op op) {
  for (size_t i = 0; i < kN; ++i) target[i] = op(target[i], operand[i]);
}

inline void Fill(double* __restrict target, double value) { std::fill(target, target + kN, value); }

inline bool NoZero(const double* __restrict row) {
  bool ok = true;
  for (size_t i = 0; i < kN; ++i) ok &= row[i] != 0.0;
  return ok;
}

// A built-in over a row; the common ones in tight loops.
bool ApplyBuiltinRow(int index, double* row) {
  switch (index) {
    case 1: Each(row, [](double v) { return std::sin(v); }); return true;
    case 2: Each(row, [](double v) { return std::cos(v); }); return true;
    case 3: Each(row, [](double v) { return ExpViaExp2(v); }); return true;
    case 4: Each(row, [](double v) { return std::fabs(v); }); return true;
    case 13: Each(row, [](double v) { return std::sqrt(v); }); return true;
    case 14: Each(row, [](double v) { return std::log(v); }); return true;
    default: {
      int32_t status = 0;
      Each(row, [&](double v) { return ApplyBuiltin1(index, v, &status); });
      return status == 0;
    }
  }
}

// The points of a batch, padded with copies of its last point so that the
// spare lanes compute (and flag) nothing the real points do not.
alignas(64) double gX[kN];

}  // namespace

bool RunFastFormBatch(const double* xs, double* values, size_t n, const FastIndexes* indexes) {
  if (n == 0 || n > kN) return false;
  std::copy(xs, xs + n, gX);
  std::fill(gX + n, gX + kN, xs[n - 1]);
  const double* x = gX;
  Row* sp = Lang().fastStack + kFastSpareRows;  // next free entry; the top is sp[-1]
  bool ok = true;
  for (size_t k = 0; k < Form().count; ++k) {
    const FastOp& op = Form().ops[k];
    double* top = sp[-1];
    double* next = sp[-2];
    const double c = op.constant;
    switch (op.op) {
      case Fast::kPushX: std::copy(x, x + kN, *sp++); break;
      case Fast::kPushConst: Fill(*sp++, c); break;
      case Fast::kPushCell: Fill(*sp++, *op.cell); break;
      case Fast::kPushRow:
        if (indexes)
          std::copy(indexes->rows, indexes->rows + kN, *sp++);
        else
          Fill(*sp++, double(Lang().rowRegister));
        break;
      case Fast::kPushColumn:
        if (indexes)
          std::copy(indexes->columns, indexes->columns + kN, *sp++);
        else
          Fill(*sp++, double(Lang().columnRegister));
        break;
      case Fast::kAdd: Each(next, top, [](double a, double b) { return a + b; }); --sp; break;
      case Fast::kSub: Each(next, top, [](double a, double b) { return a - b; }); --sp; break;
      case Fast::kMul: Each(next, top, [](double a, double b) { return a * b; }); --sp; break;
      case Fast::kDiv:
        ok &= NoZero(top);
        Each(next, top, [](double a, double b) { return a / b; });
        --sp;
        break;
      case Fast::kPow:
        Each(next, top, [](double a, double b) { return b == 2.0 ? a * a : PowerOf(a, b); });
        --sp;
        break;
      case Fast::kLess: Each(next, top, [](double a, double b) { return Truth(a < b); }); --sp; break;
      case Fast::kGreater: Each(next, top, [](double a, double b) { return Truth(a > b); }); --sp; break;
      case Fast::kLessEqual: Each(next, top, [](double a, double b) { return Truth(a <= b); }); --sp; break;
      case Fast::kGreaterEqual: Each(next, top, [](double a, double b) { return Truth(a >= b); }); --sp; break;
      case Fast::kEqual: Each(next, top, [](double a, double b) { return Truth(a == b); }); --sp; break;
      case Fast::kNotEqual: Each(next, top, [](double a, double b) { return Truth(a != b); }); --sp; break;
      case Fast::kAnd:
        Each(next, top, [](double a, double b) { return Truth(!(a == 0.0 || b == 0.0)); });
        --sp;
        break;
      case Fast::kOr:
        Each(next, top, [](double a, double b) { return Truth(!(a == 0.0 && b == 0.0)); });
        --sp;
        break;
      case Fast::kAddX: Each(top, x, [](double a, double b) { return a + b; }); break;
      case Fast::kSubX: Each(top, x, [](double a, double b) { return a - b; }); break;
      case Fast::kMulX: Each(top, x, [](double a, double b) { return a * b; }); break;
      case Fast::kDivX:
        ok &= NoZero(x);
        Each(top, x, [](double a, double b) { return a / b; });
        break;
      case Fast::kAddK: Each(top, [c](double a) { return a + c; }); break;
      case Fast::kSubK: Each(top, [c](double a) { return a - c; }); break;
      case Fast::kMulK: Each(top, [c](double a) { return a * c; }); break;
      case Fast::kDivK: Each(top, [c](double a) { return a / c; }); break;
      case Fast::kPowK: Each(top, [c](double a) { return PowerOf(a, c); }); break;
      case Fast::kSquare: Each(top, [](double a) { return a * a; }); break;
      case Fast::kNegate: Each(top, [](double a) { return -a; }); break;
      case Fast::kNot: Each(top, [](double a) { return Truth(a == 0.0); }); break;
      case Fast::kIntPart: Each(top, [](double a) { return IntegerPart(a); }); break;
      case Fast::kBuiltin: ok &= ApplyBuiltinRow(op.builtin, top); break;
      case Fast::kSetResult: std::copy(top, top + n, values); --sp; break;
    }
  }
  return ok;
}

}  // namespace tq::lang
