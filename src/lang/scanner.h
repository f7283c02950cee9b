// The two-level scanner: a character reader with a filter (comments,
// strings, ";" as a line end, case folding) and the token scanner that
// recognises numbers, names, keywords and built-ins, binds workspace
// variables and records the usage flags.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tq::lang {

enum Token : int {
  TOKEN_END = 0,
  TOKEN_INTEGER = 258,
  TOKEN_REAL = 259,
  TOKEN_FUNC1 = 260,
  TOKEN_VARIABLE = 262,
  TOKEN_EQ = 263,
  TOKEN_NE = 264,
  TOKEN_INPUT = 265,
  TOKEN_OUTPUT = 266,
  TOKEN_PRINT = 267,
  TOKEN_STRING = 268,
  TOKEN_BADSTRING = 269,
  TOKEN_X = 270,
  TOKEN_ANS = 271,
};

struct TokenValue {
  double number = 0.0;         // INTEGER, REAL
  int builtin = 0;             // FUNC1: index 1..20
  double* cell = nullptr;      // VARIABLE: the variable's value cell
  const char* text = nullptr;  // STRING: first character after the quote
};

inline constexpr int kBuiltinCount = 20;
// The built-in names, index 0..35; the scanner matches 1..20 only.
extern const char* const kBuiltinNames[36];
inline constexpr int kKeywordCount = 14;
extern const char* const kKeywords[kKeywordCount];

// Starts scanning `text` (length bytes) and clears all scanner state.
void StartScan(const char* text, size_t length);
// The next token; its value, when it has one, in `value`.
int NextToken(TokenValue& value);

// Set by the parser while it reads the variables of an input statement.
void SetInsideInputList(bool inside);

// Line of the last non-newline character read (where an error is found).
int32_t CurrentErrorLine();
bool CommentOpen();
// The first name that was neither a keyword, a built-in nor a variable.
bool HasUnknownName();
const std::string& UnknownName();

}  // namespace tq::lang
