#include "lang/opcodes.h"

#include <cstdio>

namespace tq::lang {

std::string Disassemble(const uint8_t* code, size_t length,
                        std::string (*nameOf)(const void* reference)) {
  std::string text;
  char buffer[64];
  for (size_t at = 0; at < length;) {
    uint8_t opcode = code[at];
    Operand kind;
    if (!OperandOf(opcode, &kind)) {
      std::snprintf(buffer, sizeof buffer, "?%d\n", opcode);
      return text + buffer;
    }
    text += char(opcode);
    const uint8_t* operand = code + at + 1;
    switch (kind) {
      case Operand::kNone: break;
      case Operand::kDouble:
        std::snprintf(buffer, sizeof buffer, " %.17g", ReadOperand<double>(operand));
        text += buffer;
        break;
      case Operand::kByte:
        text += " " + std::to_string(operand[0]);
        break;
      case Operand::kLabel:
        text += " " + std::to_string(ReadOperand<LabelOperand>(operand));
        break;
      case Operand::kReference: {
        const void* reference = ReadOperand<const void*>(operand);
        text += " " + (nameOf ? nameOf(reference) : std::string("ref"));
        break;
      }
    }
    text += '\n';
    at += 1 + OperandSize(kind);
  }
  return text;
}

}  // namespace tq::lang
