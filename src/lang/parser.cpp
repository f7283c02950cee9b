// A recursive-descent parser for the language's grammar. Keywords other
// than input, output and print arrive letter by letter from the scanner, so
// "if" is the two tokens 'i' 'f'. Each syntax error counts one line and the
// parse resumes after the next line end.
#include "lang/parser.h"

#include <algorithm>
#include <cstring>

#include "lang/interpreter.h"
#include "lang/lang_state.h"
#include "lang/opcodes.h"
#include "lang/scanner.h"

namespace tq::lang {

namespace {

constexpr int32_t kMarkCount = 999;         // labels 0..998
constexpr int kMaxExpressionDepth = 1000;   // nested operands and parentheses
constexpr double kPi = 3.141592653589793;

struct SyntaxError {};  // unwinds to the statement loop, which skips the line
struct ParseAbort {};   // the text ended inside a statement, or nests too deeply


ParserState& Parser() { return Lang().parser; }

void RecordError() {
  ++Parser().errorCount;
  if (Parser().errorLine == 0) Parser().errorLine = CurrentErrorLine();
}

[[noreturn]] void Fail() { throw SyntaxError{}; }

int Peek() {
  if (!Parser().haveToken) {
    Parser().value = TokenValue{};
    Parser().token = NextToken(Parser().value);
    Parser().haveToken = true;
  }
  return Parser().token;
}

void Advance() {
  Peek();
  Parser().haveToken = false;
}

bool Accept(int token) {
  if (Peek() != token) return false;
  Advance();
  return true;
}

void Expect(int token) {
  if (!Accept(token)) Fail();
}

void ExpectWord(const char* letters) {
  for (const char* c = letters; *c; ++c) Expect(*c);
}

// The only writer of the code buffer. An instruction that would start at
// the limit is dropped; the compile then fails as too big.
void EmitBytes(uint8_t opcode, const void* operand, size_t size) {
  if (Lang().program.length >= kCodeLimit) {
    Parser().codeOverflow = true;
    return;
  }
  Lang().program.code[Lang().program.length] = opcode;
  if (size) std::memcpy(Lang().program.code + Lang().program.length + 1, operand, size);
  Lang().program.length += int32_t(1 + size);
}

void Emit(uint8_t opcode) { EmitBytes(opcode, nullptr, 0); }

template <class T>
void Emit(uint8_t opcode, T operand) {
  EmitBytes(opcode, &operand, sizeof operand);
}

void EmitLabel(uint8_t opcode, int32_t label) { Emit<LabelOperand>(opcode, label); }

// Hands out `count` consecutive labels.
int32_t NewLabels(int32_t count) {
  if (Parser().labelCounter + count - 1 >= kMarkCount) Fail();
  int32_t first = Parser().labelCounter;
  Parser().labelCounter += count;
  return first;
}

void PushLabel(int32_t label) {
  if (Parser().labelDepth >= kMaxBlockDepth) Fail();
  Parser().labelStack[Parser().labelDepth++] = label;
}

int32_t PopLabel() { return Parser().labelStack[--Parser().labelDepth]; }

struct DepthGuard {
  DepthGuard() {
    if (++Parser().expressionDepth > kMaxExpressionDepth) {
      Parser().stackOverflow = true;
      throw ParseAbort{};
    }
  }
  ~DepthGuard() { --Parser().expressionDepth; }
};

void ParseBinary(int minPrecedence);
void ContinueBinary(int minPrecedence);

// Precedence of a binary operator token, loosest 1 to tightest 7; 0 for
// any other token.
int BinaryPrecedence(int token, uint8_t* opcode) {
  switch (token) {
    case '|': *opcode = OP_Or; return 1;
    case '&': *opcode = OP_And; return 2;
    case '<': *opcode = OP_Less; return 4;
    case '>': *opcode = OP_Greater; return 4;
    case TOKEN_EQ: *opcode = OP_Equal; return 4;
    case TOKEN_NE: *opcode = OP_NotEqual; return 4;
    case '+': *opcode = OP_Add; return 5;
    case '-': *opcode = OP_Subtract; return 5;
    case '*': *opcode = OP_Multiply; return 6;
    case '/': *opcode = OP_Divide; return 6;
    case '^': *opcode = OP_Power; return 7;
    default: return 0;
  }
}

constexpr int kNotPrecedence = 3;
constexpr int kNegatePrecedence = 8;

// expr: "(" expr ")" | REAL | INTEGER | "pi" | X | ANS | VARIABLE
//     | FUNC1 "(" expr ")" | "rand" "(" ")" | "int" "(" expr ")" | "_m" | "_n"
void ParsePrimary() {
  int token = Peek();
  switch (token) {
    case TOKEN_REAL:
    case TOKEN_INTEGER:
      Advance();
      Emit<double>(OP_Constant, Parser().value.number);
      return;
    case TOKEN_X:
    case TOKEN_ANS:
      Advance();
      Emit<uint8_t>(OP_Argument, 1);
      return;
    case TOKEN_VARIABLE: {
      double* cell = Parser().value.cell;
      Advance();
      Emit<double*>(OP_Variable, cell);
      return;
    }
    case TOKEN_FUNC1: {
      uint8_t index = uint8_t(Parser().value.builtin);
      Advance();
      Expect('(');
      ParseBinary(1);
      Expect(')');
      Emit<uint8_t>(OP_Builtin, index);
      return;
    }
    case '(':
      Advance();
      ParseBinary(1);
      Expect(')');
      return;
    case 'p':
      Advance();
      Expect('i');
      Emit<double>(OP_Constant, kPi);
      return;
    case 'r':
      Advance();
      ExpectWord("and()");
      Emit(OP_Rand);
      return;
    case 'i':
      Advance();
      ExpectWord("nt(");
      ParseBinary(1);
      Expect(')');
      Emit(OP_IntPart);
      return;
    case '_':
      Advance();
      if (Accept('m')) return Emit(OP_Row);
      if (Accept('n')) return Emit(OP_Column);
      Fail();
    default:
      Fail();
  }
}

// expr: "!" expr | "-" expr | primary. A prefix operator takes as its
// operand every binary operator that binds tighter than itself.
void ParseUnary() {
  DepthGuard guard;
  if (Accept('!')) {
    ParseBinary(kNotPrecedence + 1);
    Emit(OP_Not);
  } else if (Accept('-')) {
    ParseBinary(kNegatePrecedence + 1);
    Emit(OP_Negate);
  } else {
    ParsePrimary();
  }
}

// expr: expr op expr, all left-associative; ">" "=" and "<" "=" are two
// tokens each.
void ContinueBinary(int minPrecedence) {
  for (;;) {
    uint8_t opcode = 0;
    int precedence = BinaryPrecedence(Peek(), &opcode);
    if (precedence == 0 || precedence < minPrecedence) return;
    Advance();
    if (opcode == OP_Greater && Accept('=')) opcode = OP_GreaterEqual;
    else if (opcode == OP_Less && Accept('=')) opcode = OP_LessEqual;
    ParseBinary(precedence + 1);
    Emit(opcode);
  }
}

void ParseBinary(int minPrecedence) {
  ParseUnary();
  ContinueBinary(minPrecedence);
}

void ParseExpression() { ParseBinary(1); }

enum class Closer { kEnd, kElse };
void ParseStatement();

void SkipLine() {
  for (;;) {
    int token = Peek();
    if (token == TOKEN_END) throw ParseAbort{};
    Advance();
    if (token == '\n') return;
  }
}

// Runs one statement; a syntax error counts the line and skips to its end.
template <class Body>
bool GuardedStatement(Body body) {
  int labelDepth = Parser().labelDepth;
  try {
    body();
    return true;
  } catch (const SyntaxError&) {
    RecordError();
    Parser().labelDepth = labelDepth;
    SetInsideInputList(false);
    SkipLine();
    return false;
  }
}

// statements ... closer NL: the body of a block up to its "end" or "else".
void ParseBlock(Closer closer) {
  for (;;) {
    if (Peek() == TOKEN_END) {
      RecordError();
      throw ParseAbort{};
    }
    bool closed = false;
    GuardedStatement([&] {
      if (Peek() != 'e') return ParseStatement();
      Advance();
      ExpectWord(closer == Closer::kEnd ? "nd\n" : "lse\n");
      closed = true;
    });
    if (closed) return;
  }
}

// "if" "(" expr ")" NL statements "end" NL
// "ife" "(" expr ")" NL statements "else" NL statements "end" NL
void ParseIf(bool withElse) {
  Expect('(');
  ParseExpression();
  Expect(')');
  Expect('\n');
  int32_t skip = NewLabels(1);
  PushLabel(skip);
  EmitLabel(OP_JumpIfZero, skip);
  if (withElse) {
    ParseBlock(Closer::kElse);
    int32_t end = NewLabels(1);
    Parser().labelStack[Parser().labelDepth - 1] = end;
    EmitLabel(OP_Jump, end);
    EmitLabel(OP_Mark, skip);
  }
  ParseBlock(Closer::kEnd);
  EmitLabel(OP_Mark, PopLabel());
}

// "while" "(" expr ")" NL statements "end" NL
void ParseWhile() {
  ExpectWord("hile(");
  int32_t top = NewLabels(2);
  PushLabel(top);
  EmitLabel(OP_Mark, top);
  ParseExpression();
  Expect(')');
  Expect('\n');
  EmitLabel(OP_JumpIfZero, top + 1);
  ParseBlock(Closer::kEnd);
  PopLabel();
  EmitLabel(OP_Jump, top);
  EmitLabel(OP_Mark, top + 1);
}

// INPUT inlist NL; inlist items are variables (created when unknown) and
// strings. OUTPUT and PRINT lists also take x and ans.
void ParseIoStatement(uint8_t opcode, bool input) {
  Emit(opcode);
  if (input) SetInsideInputList(true);
  for (;;) {
    int token = Peek();
    if (token == TOKEN_VARIABLE) {
      Emit<double*>(OP_ListVariable, Parser().value.cell);
    } else if (token == TOKEN_STRING) {
      Emit<const char*>(OP_ListString, Parser().value.text);
    } else if (!input && (token == TOKEN_X || token == TOKEN_ANS)) {
      Emit<double*>(OP_ListVariable, &Lang().argumentCell);
    } else {
      Fail();
    }
    Advance();
    if (!Accept(',')) break;
  }
  Emit(OP_PerformIo);
  SetInsideInputList(false);
  Expect('\n');
}

// statement: NL | if | ife | while | "f" "=" expr NL | VARIABLE "=" expr NL
//          | expr NL | input | output | print
void ParseStatement() {
  int token = Peek();
  switch (token) {
    case '\n':
      Advance();
      return;
    case TOKEN_INPUT:
      Advance();
      return ParseIoStatement(OP_Input, true);
    case TOKEN_OUTPUT:
      Advance();
      return ParseIoStatement(OP_Output, false);
    case TOKEN_PRINT:
      Advance();
      return ParseIoStatement(OP_Print, false);
    case 'w':
      Advance();
      return ParseWhile();
    case 'f':
      Advance();
      Expect('=');
      ParseExpression();
      Expect('\n');
      return Emit(OP_SetResult);
    case 'i':
      Advance();
      if (Accept('f')) return ParseIf(Accept('e'));
      // "int(" e ")" starting an expression statement
      ExpectWord("nt(");
      ParseExpression();
      Expect(')');
      Emit(OP_IntPart);
      ContinueBinary(1);
      break;
    case TOKEN_VARIABLE: {
      double* cell = Parser().value.cell;
      Advance();
      if (Accept('=')) {
        ParseExpression();
        Expect('\n');
        Lang().program.storesVariables = 1;
        return Emit<double*>(OP_StoreVariable, cell);
      }
      Emit<double*>(OP_Variable, cell);
      ContinueBinary(1);
      break;
    }
    default:
      ParseExpression();
      break;
  }
  Expect('\n');
  Emit(OP_SetResult);
}

void ParseProgram() {
  while (Peek() != TOKEN_END) GuardedStatement([] { ParseStatement(); });
}

// Value-stack effect of an instruction.
int StackEffect(uint8_t opcode) {
  switch (opcode) {
    case OP_Constant: case OP_Argument: case OP_Variable: case OP_Rand:
    case OP_Row: case OP_Column:
      return 1;
    case OP_Add: case OP_Subtract: case OP_Multiply: case OP_Divide: case OP_Power:
    case OP_Less: case OP_Greater: case OP_Equal: case OP_NotEqual: case OP_LessEqual:
    case OP_GreaterEqual: case OP_And: case OP_Or: case OP_SetResult: case OP_StoreVariable:
    case OP_JumpIfZero:
      return -1;
    default:
      return 0;
  }
}

}  // namespace

int32_t ParseText() {
  Parser() = ParserState{};
  Lang().program.length = 0;
  Lang().program.compiled = 0;
  Lang().program.stackDepth = 0;
  Lang().program.storesVariables = 0;
  try {
    ParseProgram();
  } catch (const ParseAbort&) {
  }
  if (Parser().stackOverflow) {
    // "parser stack overflow"
    if (Parser().errorLine == 0) Parser().errorLine = CurrentErrorLine();
    Lang().program.length = 0;
    return 2;
  }
  Emit(OP_End);
  if (CommentOpen()) RecordError();              // "End of comment absent"
  if (Lang().program.length < 2) RecordError();         // "Empty function"
  if (Parser().codeOverflow || Lang().program.length >= kCodeLimit) RecordError();  // "Function too big"
  if (Parser().errorCount > 0) {
    Lang().program.length = 0;
    return Parser().errorCount;
  }
  Lang().program.compiled = 1;
  return 0;
}

void ResolveLabels() {
  int32_t marks[kMarkCount];
  std::fill(marks, marks + kMarkCount, -1);
  bool failed = false;
  int depth = 0, deepest = 0;
  for (int32_t at = 0; at < Lang().program.length;) {
    uint8_t opcode = Lang().program.code[at];
    Operand kind;
    if (!OperandOf(opcode, &kind)) {
      failed = true;
      break;
    }
    depth += StackEffect(opcode);
    deepest = std::max(deepest, depth);
    if (opcode == OP_Mark) {
      LabelOperand label = ReadOperand<LabelOperand>(Lang().program.code + at + 1);
      if (label < 0 || label >= kMarkCount || marks[label] >= 0)  // "Path 2: mark duplicated"
        failed = true;
      else
        marks[label] = at;
    }
    at += int32_t(1 + OperandSize(kind));
  }
  for (int32_t at = 0; !failed && at < Lang().program.length;) {
    uint8_t opcode = Lang().program.code[at];
    Operand kind;
    OperandOf(opcode, &kind);
    if (opcode == OP_Jump || opcode == OP_JumpIfZero) {
      LabelOperand label = ReadOperand<LabelOperand>(Lang().program.code + at + 1);
      if (label < 0 || label >= kMarkCount || marks[label] < 0) {  // "Path 2: mark not found"
        failed = true;
        break;
      }
      WriteOperand<LabelOperand>(Lang().program.code + at + 1, marks[label] + kMarkLength);
    }
    at += int32_t(1 + OperandSize(kind));
  }
  Lang().program.stackDepth = deepest;
  if (failed) Lang().program.compiled = 0;
}

int32_t ErrorLine() { return Parser().errorLine; }

}  // namespace tq::lang
