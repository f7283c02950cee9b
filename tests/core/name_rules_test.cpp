#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/object_list.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using NameRulesTest = testing::WorkbenchTest;

// Core only names the broken rule; it shows nothing.
TEST_F(NameRulesTest, EachNameBreaksTheFirstRuleItFails) {
  const struct {
    std::string name;
    NameRule broken;
  } rows[] = {
      {"x1", NameRule::kValid},
      {"_tmp", NameRule::kValid},
      {"bessel", NameRule::kValid},
      {std::string(1000, 'a'), NameRule::kValid},
      {"", NameRule::kMalformed},
      {std::string(1001, 'a'), NameRule::kMalformed},
      {"1x", NameRule::kMalformed},
      {"a-b", NameRule::kMalformed},
      {"na\xe9", NameRule::kMalformed},
      {"pi ", NameRule::kMalformed},  // malformed before reserved
      {"PI", NameRule::kReservedKeyword},
      {"_n", NameRule::kReservedKeyword},
      {"print", NameRule::kReservedKeyword},
      {"Sqrt", NameRule::kReservedFunction},
      {"arctanh", NameRule::kReservedFunction},
  };
  for (const auto& row : rows) EXPECT_EQ(BrokenNameRule(row.name), row.broken) << row.name;
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace tq
