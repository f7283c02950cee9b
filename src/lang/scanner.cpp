#include "lang/scanner.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/object_list.h"
#include "lang/lang_state.h"

namespace tq::lang {

const char* const kBuiltinNames[36] = {
    "_####_",      "sin",     "cos",         "exp",      "abs",          "log",
    "tan",         "acos",    "asin",        "atan",     "sinh",         "tanh",
    "cosh",        "sqrt",    "ln",          "loggamma", "gamma",        "frenc",
    "frens",       "sech",    "arctanh",     "errfunciter", "errfunc",   "errfunccomp",
    "incgamma",    "incgammacomp", "bessel", "errfuncr", "errfunci",     "hermite",
    "legend",      "tcheb",   "modbesseli",  "modbesselk", "beta",       "_####_"};

const char* const kKeywords[kKeywordCount] = {"if",  "while", "end", "ife",   "else",
                                              "ans", "pi",    "rand", "_n",   "_m",
                                              "int", "input", "output", "print"};

namespace {

constexpr size_t kMaxUnknownName = 1023;
constexpr size_t kMaxNumber = 49;


ScannerState& Scanner() { return Lang().scanner; }

bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsNameChar(int c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

// One character of the source; folds "==" and "!=" into their tokens.
int ReadChar() {
  if (Scanner().position >= Scanner().length || Scanner().source[Scanner().position] == '\0') return kEndOfText;
  int c = static_cast<unsigned char>(Scanner().source[Scanner().position++]);
  if (c == '\n') {
    ++Scanner().line;
    return '\n';
  }
  if (c == '\r') return ' ';
  Scanner().lastCharLine = Scanner().line;
  bool more = Scanner().position < Scanner().length;
  if (c == '=' && more && Scanner().source[Scanner().position] == '=') {
    ++Scanner().position;
    return TOKEN_EQ;
  }
  if (c == '!' && more && Scanner().source[Scanner().position] == '=') {
    ++Scanner().position;
    return TOKEN_NE;
  }
  return c;
}

void PushBack(int c) {
  Scanner().hasPushback = true;
  Scanner().pushback = c;
}

// Skips comments, delivers strings whole, turns ";" into a line end and
// folds case outside strings.
int FilterChar() {
  if (Scanner().hasPushback) {
    Scanner().hasPushback = false;
    return Scanner().pushback;
  }
  int c = ReadChar();
  while (c == '$') {
    Scanner().commentOpen = true;
    do c = ReadChar();
    while (c != '$' && c != kEndOfText);
    if (c == kEndOfText) return kEndOfText;
    Scanner().commentOpen = false;
    c = ReadChar();
  }
  if (c == '"') {
    Scanner().stringStart = Scanner().source + Scanner().position;
    for (;;) {
      c = ReadChar();
      if (c == '"') return TOKEN_STRING;
      if (c == kEndOfText || c == '\n') {
        PushBack(c);
        return TOKEN_BADSTRING;
      }
    }
  }
  if (c == ';') return '\n';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
  return c;
}

// Delivers a word letter by letter on this and the following calls.
int StartSpelling() {
  Scanner().spellPosition = 0;
  Scanner().spelling = true;
  int c = static_cast<unsigned char>(Scanner().word[Scanner().spellPosition++]);
  if (Scanner().spellPosition >= Scanner().wordLength || !IsLetter(Scanner().word[Scanner().spellPosition])) Scanner().spelling = false;
  return c;
}

int ScanNumber(int c, TokenValue& value) {
  char buffer[kMaxNumber + 1];
  size_t n = 0;
  bool dot = c == '.', exponent = false;
  buffer[n++] = char(c);
  for (;;) {
    c = FilterChar();
    if (n >= kMaxNumber) {
      PushBack(c);
      break;
    }
    if (IsDigit(c)) {
      buffer[n++] = char(c);
    } else if (c == '.') {
      if (dot || exponent) return c;
      dot = true;
      buffer[n++] = char(c);
    } else if (c == 'e') {
      if (exponent) return c;
      exponent = true;
      buffer[n++] = char(c);
      int sign = FilterChar();
      if ((sign == '+' || sign == '-') && n < kMaxNumber)
        buffer[n++] = char(sign);
      else
        PushBack(sign);
    } else {
      PushBack(c);
      break;
    }
  }
  buffer[n] = '\0';
  value.number = std::atof(buffer);
  if (!dot && !exponent && value.number >= 1 && value.number <= 99) return TOKEN_INTEGER;
  return TOKEN_REAL;
}

bool WordIs(const char* text) { return std::strcmp(Scanner().word, text) == 0; }

int ClassifyName(int follow, TokenValue& value) {
  if (lang::Lang().analysisMode == 1) {
    if (WordIs("x")) {
      lang::Lang().usesX = 1;
      return TOKEN_X;
    }
    if (WordIs("ans")) lang::Lang().usesAns = 1;
  }
  if (WordIs("ans")) return TOKEN_ANS;
  for (const char* keyword : kKeywords) {
    if (!WordIs(keyword)) continue;
    int token = WordIs("input") ? TOKEN_INPUT : WordIs("output") ? TOKEN_OUTPUT
              : WordIs("print") ? TOKEN_PRINT : 0;
    if (token == 0) return StartSpelling();
    if (lang::Lang().analysisMode == 1) lang::Lang().usesUiOperator = 1;
    return token;
  }
  for (int index = 1; index <= kBuiltinCount; ++index) {
    if (WordIs(kBuiltinNames[index])) {
      value.builtin = index;
      return TOKEN_FUNC1;
    }
  }
  std::string_view name(Scanner().word, Scanner().wordLength);
  if (auto* variable = FindObjectAs<VariableObject>(name, OBJMASK_VARIABLE)) {
    value.cell = &variable->value;
    return TOKEN_VARIABLE;
  }
  // An assignment creates a variable only under a free name: the vector,
  // function or chart that holds it is neither shadowed nor thrown away by
  // a formula, and the name stays unknown.
  if ((follow == '=' || Scanner().insideInputList) && !ObjectNameTaken(name)) {
    auto created = std::make_unique<VariableObject>(0.0);
    created->name = std::string(name);
    VariableObject* variable = created.get();
    if (AddObject(std::move(created))) {
      value.cell = &variable->value;
      return TOKEN_VARIABLE;
    }
  }
  if (!Scanner().hasUnknown && Scanner().wordLength <= kMaxUnknownName) {
    Scanner().hasUnknown = true;
    Scanner().unknown.assign(name);
  }
  return StartSpelling();
}

}  // namespace

void StartScan(const char* text, size_t length) {
  Scanner().source = text;
  Scanner().length = length;
  Scanner().position = 0;
  Scanner().line = 1;
  Scanner().lastCharLine = 1;
  Scanner().hasPushback = false;
  Scanner().wordLength = 0;
  Scanner().spelling = false;
  Scanner().commentOpen = false;
  Scanner().insideInputList = false;
  Scanner().stringStart = nullptr;
  Scanner().hasUnknown = false;
  Scanner().unknown.clear();
  lang::Lang().usesX = 0;
  lang::Lang().usesAns = 0;
  lang::Lang().usesUiOperator = 0;
}

int NextToken(TokenValue& value) {
  if (Scanner().spelling) {
    int c = static_cast<unsigned char>(Scanner().word[Scanner().spellPosition++]);
    if (Scanner().spellPosition >= Scanner().wordLength || !IsLetter(Scanner().word[Scanner().spellPosition])) Scanner().spelling = false;
    return c;
  }
  int c;
  do c = FilterChar();
  while (c == ' ');
  if (c == kEndOfText) return TOKEN_END;
  if (c == TOKEN_STRING) {
    if (!Scanner().stringStart) return TOKEN_BADSTRING;
    value.text = Scanner().stringStart;
    return TOKEN_STRING;
  }
  if (IsLetter(c) || c == '_') {
    Scanner().wordLength = 0;
    Scanner().word[Scanner().wordLength++] = char(c);
    for (;;) {
      c = FilterChar();
      if (!IsNameChar(c) || Scanner().wordLength >= kMaxName) break;
      Scanner().word[Scanner().wordLength++] = char(c);
    }
    Scanner().word[Scanner().wordLength] = '\0';
    PushBack(c);
    return ClassifyName(c, value);
  }
  if (IsDigit(c) || c == '.') return ScanNumber(c, value);
  return c;
}

void SetInsideInputList(bool inside) { Scanner().insideInputList = inside; }
int32_t CurrentErrorLine() { return Scanner().lastCharLine; }
bool CommentOpen() { return Scanner().commentOpen; }
bool HasUnknownName() { return Scanner().hasUnknown; }
const std::string& UnknownName() { return Scanner().unknown; }

}  // namespace tq::lang
