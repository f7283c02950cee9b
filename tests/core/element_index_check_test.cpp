// In the debug build (TQ_CHECKED) an element index outside the object stops
// the program at the access; other builds do not check.
#include <gtest/gtest.h>

#include "core/math_object.h"

namespace tq {
namespace {

#ifdef TQ_CHECKED_ELEMENTS
constexpr bool kChecked = true;
#else
constexpr bool kChecked = false;
#endif

TEST(ElementIndexCheckTest, AnIndexOutsideTheObjectStopsTheDebugBuild) {
  if (!kChecked) GTEST_SKIP() << "element indexes are checked in the debug build only";
  VectorObject v(3, 0.0);
  MatrixObject m(3, 2, 0.0);  // 3 columns, 2 rows
  EXPECT_EQ(v.at(3), 0.0);
  EXPECT_EQ(m.at(2, 3), 0.0);
  EXPECT_DEATH(v.at(0), "element index 0 outside 1..3");
  EXPECT_DEATH(v.at(4), "element index 4 outside 1..3");
  EXPECT_DEATH(m.at(3, 1), "element index 3 outside 1..2");
  EXPECT_DEATH(m.at(1, 4), "element index 4 outside 1..3");
  EXPECT_DEATH(m.at(0, 1), "element index 0 outside 1..2");
}

}  // namespace
}  // namespace tq
