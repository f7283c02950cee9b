#include "core/operation_status.h"

#include <string>

#include <gtest/gtest.h>

#include "core/protected_call.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using StatusTest = testing::WorkbenchTest;

TEST_F(StatusTest, EachErrorReplacesTheMessageAndKeepsItsCode) {
  EXPECT_EQ(SetOperationError("first"), OPERR_ARGUMENT);
  EXPECT_EQ(SetOperationError("second"), OPERR_ARGUMENT);
  EXPECT_EQ(OperationMessage(), "second\n");
  EXPECT_EQ(Status().lastCode, OPERR_ARGUMENT);
  EXPECT_EQ(Status().flags, OPERR_ARGUMENT);
  ResetOperationStatus();
  EXPECT_EQ(SetAllocationError("unable allocate vector"), OPERR_ALLOC);
  EXPECT_EQ(OperationMessage(), "unable allocate vector\n");
  EXPECT_EQ(Status().flags, OPERR_ALLOC);
}

TEST_F(StatusTest, AppendOperationFailureAddsALineAfterALongEnoughMessage) {
  SetOperationError("Vectors have different number of elements.");
  AppendOperationFailure("Vector operation failed");
  EXPECT_EQ(OperationMessage(),
            "Vectors have different number of elements.\nVector operation failed\n");
  EXPECT_EQ(Status().lastCode, OPERR_FAILED);
  EXPECT_EQ(Status().flags, OPERR_FAILED | OPERR_ARGUMENT);
}

TEST_F(StatusTest, AppendOperationFailureReplacesShortOrAbsentMessages) {
  AppendOperationFailure("Matrix operation failed");  // lastCode 0
  EXPECT_EQ(OperationMessage(), "Matrix operation failed\n");
  ResetOperationStatus();
  SetOperationError("short");  // 6 characters with its line end
  AppendOperationFailure("Matrix operation failed");
  EXPECT_EQ(OperationMessage(), "Matrix operation failed\n");
}

// A fault code left from an earlier operation would be read as the next one's.
TEST_F(StatusTest, ResetClearsTheFaultCodeToo) {
  SetOperationError("x");
  Status().faultCode = 5;
  ResetOperationStatus();
  EXPECT_EQ(Status().lastCode, 0);
  EXPECT_EQ(Status().flags, 0);
  EXPECT_EQ(Status().faultCode, 0u);
  EXPECT_EQ(OperationMessage(), "");
}

TEST_F(StatusTest, MessagesLongerThanTheBufferAreTruncated) {
  SetOperationError(std::string(5000, 'a'));
  EXPECT_EQ(OperationMessage().size(), size_t(kStatusMessageSize - 1));
}

TEST_F(StatusTest, EachFaultCodeHasItsText) {
  struct Row {
    uint32_t code;
    const char* text;
  };
  const Row rows[] = {
      {0xC000008E, "Floating point error\nDivide by zero\n"},
      {0xC0000090, "Floating point error\nInvalid operation\n"},
      {0xC0000091, "Floating point error\nOverflow of numerical value\n"},
      {0xC0000092, "Floating point error\nstack error\n"},
      {0xC0000093, "Floating point error\nUnderflow of numerical value\n"},
      {0xC0000094, "Integer value divide by zero\n"},
      {0xC0000095, "Integer value overflow\n"},
      {0xC0000005, "Memory access violation\nPossibly access outside array bounds\n"},
      {0xC000008C, "Memory access violation\nArray bounds exceeded\n"},
      {0xC000008D, "Floating point or memory access error\n"},
      {0xC000008F, "Floating point or memory access error\n"},
  };
  for (const Row& row : rows) {
    ResetOperationStatus();
    EXPECT_EQ(TranslateFault(row.code), OPERR_FAULT);
    EXPECT_EQ(OperationMessage(), row.text) << std::hex << row.code;
    EXPECT_EQ(Status().lastCode, OPERR_FAULT);
    EXPECT_EQ(Status().flags & OPERR_FAULT, OPERR_FAULT);
  }
}

TEST_F(StatusTest, NumLibErrorOutsideAProtectedCallOnlyRecords) {
  NumLibError("Arithmetic error in user function");
  EXPECT_EQ(Status().lastCode, OPERR_NUMLIB);
  EXPECT_NE(Status().flags & OPERR_NUMLIB, 0);
  NumLibAllocError("allocation failure in dvector()");
  EXPECT_EQ(OperationMessage(),
            "Numerical library cannot allocate memory\nallocation failure in dvector()\n");
  EXPECT_EQ(Status().lastCode, OPERR_NUMLIB_ALLOC);
}

TEST_F(StatusTest, NumLibErrorInsideAProtectedCallEndsIt) {
  bool reachedEnd = false;
  int32_t result = RunProtected([&] {
    NumLibError("Arithmetic error in user function");
    reachedEnd = true;
    return 1;
  });
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(reachedEnd);
  EXPECT_EQ(Status().faultCode, FAULT_NUMLIB);
  EXPECT_NE(Status().flags & OPERR_TRAPPED, 0);
  EXPECT_EQ(Status().inProtectedCall, 0);
  TranslateFault(Status().faultCode);
  EXPECT_EQ(OperationMessage(), "Numerical library error\nArithmetic error in user function\n");
}

volatile double g_zero = 0.0;
volatile double g_huge = 1e308;
volatile double g_sink = 0.0;  // keeps the faulting operations alive

volatile double g_tiny = 1e-300;
volatile double g_denormal = 1e-310;
volatile double g_three = 3.0;

// The fault a protected computation ends with, from the flags it raised.
TEST_F(StatusTest, ProtectedCallRanksTheRaisedFlags) {
  const struct {
    const char* what;
    double (*compute)();
    uint32_t fault;  // 0: the computation succeeds
  } rows[] = {
      {"denormal operand", [] { return g_denormal * 2.0; }, FAULT_FLT_DENORMAL_OPERAND},
      {"denormal operand of an overflowing division", [] { return 1.0 / g_denormal; },
       FAULT_FLT_DENORMAL_OPERAND},
      {"denormal operand, then division by zero",
       [] { return 1.0 / (g_denormal * 0.0); }, FAULT_FLT_DENORMAL_OPERAND},
      {"overflow, then the invalid operation it causes",
       [] {
         double inf = g_huge * 10.0;
         return inf - inf;
       },
       FAULT_FLT_OVERFLOW},
      {"division by zero", [] { return 1.0 / g_zero; }, FAULT_FLT_DIVIDE_BY_ZERO},
      {"underflow to a denormal result", [] { return g_tiny * 1e-10; }, 0},
      {"inexact", [] { return 1.0 / g_three; }, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    int32_t result = RunProtected([&] {
      g_sink = row.compute();
      return 1;
    });
    EXPECT_EQ(result, row.fault ? 0 : 1);
    EXPECT_EQ(Status().faultCode, row.fault);
    Status().faultCode = 0;
  }
  TranslateFault(FAULT_FLT_DENORMAL_OPERAND);
  EXPECT_EQ(OperationMessage(), "Floating point or memory access error\n");
}

// A denormal flag raised before the call, or left by a trapped fault, is
// not the next call's fault.
TEST_F(StatusTest, ProtectedCallStartsWithTheDenormalFlagClear) {
  g_sink = g_denormal * 2.0;
  EXPECT_EQ(RunProtected([] { return 1; }), 1);
  EXPECT_EQ(RunProtected([] {
              g_sink = g_denormal * 2.0;
              return 1;
            }),
            0);
  EXPECT_EQ(ReadSseFlags() & kSseDenormal, 0u);
  EXPECT_EQ(RunProtected([] { return 1; }), 1);
}

}  // namespace
}  // namespace tq
