// Operator precedence and associativity, checked by value.
#include "lang_test.h"

namespace tq::testing {
namespace {

struct Case {
  const char* text;
  double value;
};

class PrecedenceTest : public LangTest {};

TEST_F(PrecedenceTest, OperatorsBindAsListed) {
  AddVariable("a", 0);
  AddVariable("b", 5);
  const Case cases[] = {
      {"2^3^2", 64},         // "^" is left-associative
      {"-2^2", 4},           // prefix minus binds tighter than "^"
      {"2^-1", 0.5},
      {"-2*3+1", -5},
      {"!a & b", 1},         // (!a) & b
      {"!b & b", 0},
      {"!a < b", 0},         // !(a < b)
      {"!b + b", 0},         // !(b + b)
      {"!a | a", 1},
      {"2 > 1 & 3", 1},
      {"1 | 0 & 0", 1},      // "&" binds tighter than "|"
      {"1 < 2 == 1", 1},     // comparisons share one level, left to right
      {"3 > 2 > 1", 0},
      {"1+2*3", 7},
      {"8/4/2", 1},
      {"10-4-3", 3},
      {"2*3^2", 18},
      {"(1+2)*3", 9},
      {"5 >= 5", 1},
      {"5 > = 6", 0},        // ">=" may be written with a blank inside
      {"4 <= 3", 0},
      {"4 != 3", 1},
      {"4 == 4", 1},
      {"!0", 1},
      {"!5", 0},
      {"--3", 3},
  };
  for (const Case& c : cases) EXPECT_EQ(Run(c.text), c.value) << c.text;
}

TEST_F(PrecedenceTest, EqualsWithABlankInsideIsNoOperator) {
  EXPECT_GT(Compile("4 = = 4"), 0);
  EXPECT_GT(Compile("4 ! = 3"), 0);
}

}  // namespace
}  // namespace tq::testing
