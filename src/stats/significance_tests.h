// Student's t-test, the F-test and the chi-square test on two vectors. Each
// writes a new two-element vector: the statistic and its significance.
#pragma once

#include <cstdint>
#include <string>

#include "core/math_object.h"

namespace tq {

enum TTestType : int32_t {
  TTEST_EQUAL_VARIANCE = 0,
  TTEST_UNEQUAL_VARIANCE = 1,
  TTEST_PAIRED = 2,
};

enum ChiSquareType : int32_t {
  CHISQUARE_EXPECTED = 0,  // first vector observed, second expected
  CHISQUARE_OBSERVED = 1,  // both observed
};

int32_t StudentTTest(const std::string& name1, const std::string& name2,
                     const std::string& destName, int32_t type);
int32_t FTest(const std::string& name1, const std::string& name2, const std::string& destName);
// The constraints the chi-square test accepts: 0 to this.
inline constexpr int32_t kMaxChiSquareConstraints = 5;

// The argument checks of ChiSquareTest alone, so that a command can ask for
// the test's options between them and the test; false with the status set.
bool CheckChiSquareArguments(const std::string& name1, const std::string& name2,
                             const std::string& destName);
// `type` is a ChiSquareType, `constraints` 0 to kMaxChiSquareConstraints.
int32_t ChiSquareTest(const std::string& name1, const std::string& name2,
                      const std::string& destName, int32_t type, int32_t constraints);

int32_t StudentTTestObjects(const VectorObject* first, const VectorObject* second,
                            VectorObject* dest, int32_t type);
int32_t FTestObjects(const VectorObject* first, const VectorObject* second, VectorObject* dest);
int32_t ChiSquareTestObjects(const VectorObject* first, const VectorObject* second,
                             VectorObject* dest, int32_t constraints, int32_t type);

}  // namespace tq
