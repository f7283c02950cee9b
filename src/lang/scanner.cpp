#include "lang/scanner.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/object_list.h"
#include "lang/lang_state.h"

namespace tq {

int32_t AnalysisMode = 0;
int32_t UsesX = 0;
int32_t UsesAns = 0;
int32_t UsesUiOperator = 0;

}  // namespace tq

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

constexpr int kEndOfText = -1;
constexpr size_t kMaxName = 1024;
constexpr size_t kMaxUnknownName = 1023;
constexpr size_t kMaxNumber = 49;

struct ScannerState {
  const char* source = nullptr;
  size_t length = 0;
  size_t position = 0;
  int32_t line = 1;
  int32_t lastCharLine = 1;
  bool hasPushback = false;
  int pushback = 0;
  char word[kMaxName + 1] = {};
  size_t wordLength = 0;
  size_t spellPosition = 0;
  bool spelling = false;
  bool commentOpen = false;
  bool insideInputList = false;
  const char* stringStart = nullptr;
  bool hasUnknown = false;
  std::string unknown;
};

ScannerState S;

bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsNameChar(int c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

// One character of the source; folds "==" and "!=" into their tokens.
int ReadChar() {
  if (S.position >= S.length || S.source[S.position] == '\0') return kEndOfText;
  int c = static_cast<unsigned char>(S.source[S.position++]);
  if (c == '\n') {
    ++S.line;
    return '\n';
  }
  if (c == '\r') return ' ';
  S.lastCharLine = S.line;
  bool more = S.position < S.length;
  if (c == '=' && more && S.source[S.position] == '=') {
    ++S.position;
    return TOKEN_EQ;
  }
  if (c == '!' && more && S.source[S.position] == '=') {
    ++S.position;
    return TOKEN_NE;
  }
  return c;
}

void PushBack(int c) {
  S.hasPushback = true;
  S.pushback = c;
}

// Skips comments, delivers strings whole, turns ";" into a line end and
// folds case outside strings.
int FilterChar() {
  if (S.hasPushback) {
    S.hasPushback = false;
    return S.pushback;
  }
  int c = ReadChar();
  while (c == '$') {
    S.commentOpen = true;
    do c = ReadChar();
    while (c != '$' && c != kEndOfText);
    if (c == kEndOfText) return kEndOfText;
    S.commentOpen = false;
    c = ReadChar();
  }
  if (c == '"') {
    S.stringStart = S.source + S.position;
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
  S.spellPosition = 0;
  S.spelling = true;
  int c = static_cast<unsigned char>(S.word[S.spellPosition++]);
  if (S.spellPosition >= S.wordLength || !IsLetter(S.word[S.spellPosition])) S.spelling = false;
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

bool WordIs(const char* text) { return std::strcmp(S.word, text) == 0; }

int ClassifyName(int follow, TokenValue& value) {
  if (AnalysisMode == 1) {
    if (WordIs("x")) {
      UsesX = 1;
      return TOKEN_X;
    }
    if (WordIs("ans")) UsesAns = 1;
  }
  if (WordIs("ans")) return TOKEN_ANS;
  for (const char* keyword : kKeywords) {
    if (!WordIs(keyword)) continue;
    int token = WordIs("input") ? TOKEN_INPUT : WordIs("output") ? TOKEN_OUTPUT
              : WordIs("print") ? TOKEN_PRINT : 0;
    if (token == 0) return StartSpelling();
    if (AnalysisMode == 1) UsesUiOperator = 1;
    return token;
  }
  for (int index = 1; index <= kBuiltinCount; ++index) {
    if (WordIs(kBuiltinNames[index])) {
      value.builtin = index;
      return TOKEN_FUNC1;
    }
  }
  std::string_view name(S.word, S.wordLength);
  if (auto* variable = FindObjectAs<VariableObject>(name, OBJMASK_VARIABLE)) {
    value.cell = &variable->value;
    return TOKEN_VARIABLE;
  }
  // An assignment creates a variable only under a free name: the vector,
  // function or chart that holds it is neither shadowed nor thrown away by
  // a formula, and the name stays unknown.
  if ((follow == '=' || S.insideInputList) && !ObjectNameTaken(name)) {
    auto created = std::make_unique<VariableObject>(0.0);
    created->name = std::string(name);
    VariableObject* variable = created.get();
    if (AddObject(std::move(created))) {
      value.cell = &variable->value;
      return TOKEN_VARIABLE;
    }
  }
  if (!S.hasUnknown && S.wordLength <= kMaxUnknownName) {
    S.hasUnknown = true;
    S.unknown.assign(name);
  }
  return StartSpelling();
}

}  // namespace

void StartScan(const char* text, size_t length) {
  S.source = text;
  S.length = length;
  S.position = 0;
  S.line = 1;
  S.lastCharLine = 1;
  S.hasPushback = false;
  S.wordLength = 0;
  S.spelling = false;
  S.commentOpen = false;
  S.insideInputList = false;
  S.stringStart = nullptr;
  S.hasUnknown = false;
  S.unknown.clear();
  UsesX = 0;
  UsesAns = 0;
  UsesUiOperator = 0;
}

int NextToken(TokenValue& value) {
  if (S.spelling) {
    int c = static_cast<unsigned char>(S.word[S.spellPosition++]);
    if (S.spellPosition >= S.wordLength || !IsLetter(S.word[S.spellPosition])) S.spelling = false;
    return c;
  }
  int c;
  do c = FilterChar();
  while (c == ' ');
  if (c == kEndOfText) return TOKEN_END;
  if (c == TOKEN_STRING) {
    if (!S.stringStart) return TOKEN_BADSTRING;
    value.text = S.stringStart;
    return TOKEN_STRING;
  }
  if (IsLetter(c) || c == '_') {
    S.wordLength = 0;
    S.word[S.wordLength++] = char(c);
    for (;;) {
      c = FilterChar();
      if (!IsNameChar(c) || S.wordLength >= kMaxName) break;
      S.word[S.wordLength++] = char(c);
    }
    S.word[S.wordLength] = '\0';
    PushBack(c);
    return ClassifyName(c, value);
  }
  if (IsDigit(c) || c == '.') return ScanNumber(c, value);
  return c;
}

void SetInsideInputList(bool inside) { S.insideInputList = inside; }
int32_t CurrentErrorLine() { return S.lastCharLine; }
bool CommentOpen() { return S.commentOpen; }
bool HasUnknownName() { return S.hasUnknown; }
const std::string& UnknownName() { return S.unknown; }

}  // namespace tq::lang
