// The instructions of the compiled form: one opcode byte (a printable
// character) followed by an unaligned operand. One table; the enum, the
// operand sizes and the disassembly used by tests are derived from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace tq::lang {

// Operand kinds and their sizes in the code buffer.
enum class Operand : uint8_t { kNone, kDouble, kByte, kLabel, kReference };

// X(name, character, operand)
#define TQ_OPCODES(X)              \
  X(Constant, 'c', kDouble)        \
  X(Argument, 'x', kByte)          \
  X(Variable, 'v', kReference)     \
  X(Rand, 'r', kNone)              \
  X(IntPart, 'l', kNone)           \
  X(Row, 'm', kNone)               \
  X(Column, 'n', kNone)            \
  X(Builtin, 'f', kByte)           \
  X(Negate, '_', kNone)            \
  X(Not, '!', kNone)               \
  X(Add, '+', kNone)               \
  X(Subtract, '-', kNone)          \
  X(Multiply, '*', kNone)          \
  X(Divide, '/', kNone)            \
  X(Power, '^', kNone)             \
  X(Less, '<', kNone)              \
  X(Greater, '>', kNone)           \
  X(Equal, '=', kNone)             \
  X(NotEqual, '#', kNone)          \
  X(LessEqual, '[', kNone)         \
  X(GreaterEqual, ']', kNone)      \
  X(And, '&', kNone)               \
  X(Or, '|', kNone)                \
  X(SetResult, 'F', kNone)         \
  X(StoreVariable, 'V', kReference) \
  X(JumpIfZero, 'I', kLabel)       \
  X(Jump, 'G', kLabel)             \
  X(Mark, 'M', kLabel)             \
  X(Input, 'i', kNone)             \
  X(Output, 'o', kNone)            \
  X(Print, 'P', kNone)             \
  X(ListVariable, 'd', kReference) \
  X(ListString, 's', kReference)   \
  X(PerformIo, '.', kNone)         \
  X(End, ';', kNone)

enum Opcode : uint8_t {
#define TQ_OPCODE_ENUM(name, ch, operand) OP_##name = ch,
  TQ_OPCODES(TQ_OPCODE_ENUM)
#undef TQ_OPCODE_ENUM
};

// Label operands are code positions (below 10000); references are addresses.
using LabelOperand = int32_t;

constexpr size_t OperandSize(Operand kind) {
  switch (kind) {
    case Operand::kNone: return 0;
    case Operand::kDouble: return sizeof(double);
    case Operand::kByte: return 1;
    case Operand::kLabel: return sizeof(LabelOperand);
    case Operand::kReference: return sizeof(void*);
  }
  return 0;
}

// The operand kind of an opcode byte; false for a byte that is no opcode.
constexpr bool OperandOf(uint8_t code, Operand* kind) {
  switch (code) {
#define TQ_OPCODE_CASE(name, ch, operand) \
  case ch: *kind = Operand::operand; return true;
    TQ_OPCODES(TQ_OPCODE_CASE)
#undef TQ_OPCODE_CASE
  }
  return false;
}

// The length of a label definition: a jump to label L lands after its `M`.
inline constexpr int32_t kMarkLength = 1 + int32_t(sizeof(LabelOperand));

template <class T>
inline T ReadOperand(const uint8_t* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

template <class T>
inline void WriteOperand(uint8_t* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

// One instruction per line ("c 2", "v <name>", "I 17"); references are shown
// through `nameOf`, which the caller supplies.
std::string Disassemble(const uint8_t* code, size_t length,
                        std::string (*nameOf)(const void* reference) = nullptr);

}  // namespace tq::lang
