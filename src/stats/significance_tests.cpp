#include "stats/significance_tests.h"

#include <optional>

#include "core/operation_frame.h"
#include "stats/test_routines.h"

namespace tq {

namespace {

constexpr const char* kFailure = "Operation failed";

Sample SampleOf(const VectorObject* v) { return {v->data(), size_t(v->size)}; }

bool Usable(const MathObject* object) { return object && object->status == STATUS_VALID; }

// The object-level checks every test starts with.
bool CheckTestObjects(const VectorObject* first, const VectorObject* second,
                      const VectorObject* dest) {
  if (!Usable(first)) return SetOperationError("Invalid 1st argument"), false;
  if (!Usable(second)) return SetOperationError("Invalid 2nd argument"), false;
  if (!Usable(dest)) return SetOperationError("Invalid destination argument"), false;
  return true;
}

bool CheckMinimumLengths(const VectorObject* first, const VectorObject* second, int32_t least) {
  const char* kFirst = least == 4
                           ? "Vector 1 is too short. Each distribution must have at least 4 "
                             "elements."
                           : "Vector 1 is too short. Each distribution must have at least 2 "
                             "elements.";
  const char* kSecond = least == 4
                            ? "Vector 2 is too short. Each distribution must have at least 4 "
                              "elements."
                            : "Vector 2 is too short. Each distribution must have at least 2 "
                              "elements.";
  if (first->size < least) return SetOperationError(kFirst), false;
  if (second->size < least) return SetOperationError(kSecond), false;
  return true;
}

bool CheckTwoElementDestination(const VectorObject* dest) {
  if (dest->size >= 2) return true;
  SetOperationError("Destination vector must have at least two elements.");
  return false;
}

// The name-level checks shared by the three tests, in their order; only the
// t-test has a type.

struct TestArguments {
  VectorObject* first = nullptr;
  VectorObject* second = nullptr;
};

bool CheckTestArguments(const std::string& name1, const std::string& name2,
                        const std::string& destName, std::optional<int32_t> ttestType,
                        TestArguments& args) {
  if (!BeginOperation()) return false;
  if (!CheckNameLength(name1, "Invalid 1st vector name") ||
      !CheckNameLength(name2, "Invalid 2nd vector name") ||
      !CheckNameLength(destName, "Invalid destination vector name"))
    return false;
  if (ttestType && (*ttestType < TTEST_EQUAL_VARIANCE || *ttestType > TTEST_PAIRED))
    return SetOperationError("Invalid problem type parameter"), false;
  args.first = FindArgument<VectorObject>(
      name1, OBJMASK_VECTOR, "Unable to find 1st source vector with the specified name");
  if (!args.first) return false;
  args.second = FindArgument<VectorObject>(
      name2, OBJMASK_VECTOR, "Unable to find 2nd source vector with the specified name");
  if (!args.second) return false;
  if (!CheckValid(*args.first,
                  "Invalid status of 1st argument. Last operation on this object has failed.") ||
      !CheckValid(*args.second,
                  "Invalid status of 2nd argument. Last operation on this object has failed."))
    return false;
  if (ttestType == TTEST_PAIRED && args.first->size != args.second->size)
    return SetOperationError(
               "Invalid arguments. \nVectors have different sizes. \nTwo distributions must "
               "have equal number of samples."),
           false;
  if (args.first->size < 4 || args.second->size < 4)
    return SetOperationError(
               "Invalid arguments.\nVectors are too short\nEach distribution must have at "
               "least 4 samples."),
           false;
  return true;
}

// Creates the two-element result, computes protected and finishes.
template <class Compute>
int32_t RunTest(const std::string& destName, Compute compute) {
  auto result = CreateResultVector(2, kCreateVectorFailedText);
  if (!result) return 0;
  result->name = destName;
  VectorObject* dest = result.get();
  int32_t ok = RunProtected([&] { return compute(dest); });
  return FinishOperation(ok, std::move(result), kFailure);
}

}  // namespace

int32_t StudentTTestObjects(const VectorObject* first, const VectorObject* second,
                            VectorObject* dest, int32_t type) {
  if (!CheckTestObjects(first, second, dest)) return 0;
  if (type == TTEST_PAIRED && first->size != second->size)
    return SetOperationError("Vectors have different number of elements."), 0;
  if (!CheckMinimumLengths(first, second, 4) || !CheckTwoElementDestination(dest)) return 0;
  double* out = dest->data();
  switch (type) {
    case TTEST_EQUAL_VARIANCE:
      TTestEqualVariance(SampleOf(first), SampleOf(second), out[0], out[1]);
      return 1;
    case TTEST_UNEQUAL_VARIANCE:
      TTestUnequalVariance(SampleOf(first), SampleOf(second), out[0], out[1]);
      return 1;
    case TTEST_PAIRED:
      TTestPaired(SampleOf(first), SampleOf(second), out[0], out[1]);
      return 1;
    default:
      return SetOperationError("Invalid problem type parameter."), 0;
  }
}

int32_t FTestObjects(const VectorObject* first, const VectorObject* second, VectorObject* dest) {
  if (!CheckTestObjects(first, second, dest)) return 0;
  if (!CheckMinimumLengths(first, second, 4) || !CheckTwoElementDestination(dest)) return 0;
  double* out = dest->data();
  FTestRoutine(SampleOf(first), SampleOf(second), out[0], out[1]);
  return 1;
}

int32_t ChiSquareTestObjects(const VectorObject* first, const VectorObject* second,
                             VectorObject* dest, int32_t constraints, int32_t type) {
  if (!CheckTestObjects(first, second, dest)) return 0;
  if (!CheckMinimumLengths(first, second, 2) || !CheckTwoElementDestination(dest)) return 0;
  if (first->size != second->size)
    return SetOperationError("Vectors must have same number of elements."), 0;
  double* out = dest->data();
  double df = 0.0;
  if (type == CHISQUARE_EXPECTED)
    chsone(SampleOf(first), SampleOf(second), constraints, df, out[0], out[1]);
  else
    ChiSquareTwoSample(SampleOf(first), SampleOf(second), constraints, df, out[0], out[1]);
  return 1;
}

int32_t StudentTTest(const std::string& name1, const std::string& name2,
                     const std::string& destName, int32_t type) {
  TestArguments args;
  if (!CheckTestArguments(name1, name2, destName, type, args)) return 0;
  return RunTest(destName, [&](VectorObject* dest) {
    return StudentTTestObjects(args.first, args.second, dest, type);
  });
}

int32_t FTest(const std::string& name1, const std::string& name2, const std::string& destName) {
  TestArguments args;
  if (!CheckTestArguments(name1, name2, destName, std::nullopt, args)) return 0;
  return RunTest(destName, [&](VectorObject* dest) {
    return FTestObjects(args.first, args.second, dest);
  });
}

bool CheckChiSquareArguments(const std::string& name1, const std::string& name2,
                             const std::string& destName) {
  TestArguments args;
  return CheckTestArguments(name1, name2, destName, std::nullopt, args);
}

int32_t ChiSquareTest(const std::string& name1, const std::string& name2,
                      const std::string& destName, int32_t type, int32_t constraints) {
  TestArguments args;
  if (!CheckTestArguments(name1, name2, destName, std::nullopt, args)) return 0;
  // Only the choices the options dialog offers are accepted.
  if (type < CHISQUARE_EXPECTED || type > CHISQUARE_OBSERVED || constraints < 0 ||
      constraints > kMaxChiSquareConstraints)
    return SetOperationError("Invalid problem type parameter"), 0;
  return RunTest(destName, [&](VectorObject* dest) {
    return ChiSquareTestObjects(args.first, args.second, dest, constraints, type);
  });
}

}  // namespace tq
