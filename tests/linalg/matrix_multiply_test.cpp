#include "linalg/matrix_multiply.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "linalg/matrix_multiply_kernels.h"

namespace tq {
namespace {

struct Shape {
  int64_t m, k, n;
};

std::string Describe(const Shape& s) {
  return std::to_string(s.m) + "x" + std::to_string(s.k) + " * " + std::to_string(s.k) + "x" +
         std::to_string(s.n);
}

// Every variant this processor runs, and MultiplyBlocks itself (which also
// takes the matrix-by-vector path).
std::vector<MultiplyKernel> VariantsUnderTest() {
  std::vector<MultiplyKernel> variants = AvailableMultiplyKernels();
  variants.push_back({"MultiplyBlocks", MultiplyBlocks});
  return variants;
}

// Values of every kind a sum meets: ordinary, signed zeros, subnormal and tiny.
std::vector<double> OrdinaryValues(int64_t count, unsigned seed) {
  std::mt19937_64 engine(seed);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> kind(0, 19);
  std::vector<double> values(static_cast<size_t>(count));
  for (double& x : values) {
    switch (kind(engine)) {
      case 0: x = -0.0; break;
      case 1: x = 0.0; break;
      case 2: x = unit(engine) * 1e-300; break;
      case 3: x = unit(engine) * 1e16; break;
      default: x = unit(engine); break;
    }
  }
  return values;
}

// Adds huge values (products overflow) and one infinity.
std::vector<double> ExtremeValues(int64_t count, unsigned seed) {
  std::vector<double> values = OrdinaryValues(count, seed);
  std::mt19937_64 engine(seed + 1000);
  std::uniform_int_distribution<int64_t> index(0, count - 1);
  for (int64_t t = 0; t < count / 50 + 1; ++t) values[index(engine)] = 3e300;
  values[index(engine)] = -std::numeric_limits<double>::infinity();
  return values;
}

std::vector<double> Product(MultiplyKernelFunction multiply, const std::vector<double>& a,
                            const std::vector<double>& b, const Shape& s) {
  std::vector<double> c(static_cast<size_t>(s.m * s.n), 42.0);
  multiply(a.data(), b.data(), c.data(), s.m, s.k, s.n);
  return c;
}

bool BitIdentical(const std::vector<double>& x, const std::vector<double>& y) {
  return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0;
}

// First element whose bits differ, for the failure message.
std::string FirstDifference(const std::vector<double>& got, const std::vector<double>& want) {
  for (size_t i = 0; i < got.size(); ++i)
    if (std::memcmp(&got[i], &want[i], sizeof(double)) != 0)
      return "element " + std::to_string(i) + ": " + std::to_string(got[i]) + " instead of " +
             std::to_string(want[i]);
  return "sizes differ";
}

void ExpectSameAsPlain(const Shape& s, bool extreme, unsigned seed) {
  const auto a = extreme ? ExtremeValues(s.m * s.k, seed) : OrdinaryValues(s.m * s.k, seed);
  const auto b = extreme ? ExtremeValues(s.k * s.n, seed + 1) : OrdinaryValues(s.k * s.n, seed + 1);
  const auto want = Product(MultiplyBlocksPlain, a, b, s);
  for (const MultiplyKernel& variant : VariantsUnderTest()) {
    const auto got = Product(variant.run, a, b, s);
    EXPECT_TRUE(BitIdentical(got, want))
        << variant.name << " " << Describe(s) << ": " << FirstDifference(got, want);
  }
}

// Edges of every register tile (8x24, 6x8, 4x4), of the depth block (256), of
// the row blocks (128, 96) and of the column block (2400), single rows and
// columns, and primes.
const Shape kShapes[] = {
    {1, 1, 1},     {1, 1, 37},    {1, 37, 1},    {37, 1, 1},    {1, 300, 50},
    {50, 300, 1},  {7, 13, 29},   {13, 29, 7},   {29, 7, 13},   {8, 256, 24},
    {9, 257, 25},  {7, 255, 23},  {6, 8, 8},     {5, 3, 9},     {4, 4, 4},
    {3, 2, 3},     {17, 513, 33}, {129, 31, 49}, {127, 40, 48}, {97, 300, 13},
    {95, 2, 11},   {2, 3, 2401},  {3, 2, 2399},  {31, 600, 61}, {64, 64, 64},
};

TEST(MatrixMultiplyBitIdentity, OrdinaryValuesOverEveryShape) {
  unsigned seed = 1;
  for (const Shape& s : kShapes) ExpectSameAsPlain(s, false, seed += 2);
}

TEST(MatrixMultiplyBitIdentity, HugeValuesAndInfinityOverEveryShape) {
  unsigned seed = 101;
  for (const Shape& s : kShapes) ExpectSameAsPlain(s, true, seed += 2);
}

// Every tile height and every partial width of every variant's tile.
TEST(MatrixMultiplyBitIdentity, EverySmallShape) {
  unsigned seed = 201;
  for (int64_t m = 1; m <= 17; ++m)
    for (int64_t n = 1; n <= 50; ++n)
      for (int64_t k : {1, 3}) ExpectSameAsPlain({m, k, n}, false, seed += 2);
}

TEST(MatrixMultiplyBitIdentity, ThousandSquare) {
  const Shape s{1000, 1000, 1000};
  const auto a = OrdinaryValues(s.m * s.k, 7);
  const auto b = OrdinaryValues(s.k * s.n, 8);
  const auto got = Product(MultiplyBlocks, a, b, s);
  const auto want = Product(MultiplyBlocksPlain, a, b, s);
  EXPECT_TRUE(BitIdentical(got, want)) << FirstDifference(got, want);
}

TEST(MatrixMultiplyBitIdentity, EmptyDepthGivesZeros) {
  const Shape s{5, 0, 30};
  for (const MultiplyKernel& variant : VariantsUnderTest()) {
    const auto got = Product(variant.run, {}, {}, s);
    EXPECT_TRUE(BitIdentical(got, std::vector<double>(5 * 30, 0.0))) << variant.name;
  }
}

// --- the result depends only on the order of the terms ------------------------

TEST(MatrixMultiplyOrder, EqualsNaivePerElementSum) {
  const Shape s{23, 520, 53};
  const auto a = OrdinaryValues(s.m * s.k, 31);
  const auto b = OrdinaryValues(s.k * s.n, 32);
  std::vector<double> want(static_cast<size_t>(s.m * s.n));
  for (int64_t i = 0; i < s.m; ++i) {
    for (int64_t j = 0; j < s.n; ++j) {
      double sum = 0.0;
      for (int64_t p = 0; p < s.k; ++p) sum += a[i * s.k + p] * b[p * s.n + j];
      want[i * s.n + j] = sum;
    }
  }
  for (const MultiplyKernel& variant : VariantsUnderTest())
    EXPECT_TRUE(BitIdentical(Product(variant.run, a, b, s), want)) << variant.name;
}

// Row i of a holds 1e16, 1, -1e16 at depth 254 + i (so across the first depth
// block's end for some rows), every other term zero; b is all ones. In index
// order the 1 is lost to rounding: 1e16 + 1 == 1e16, so the sum is exactly 0;
// any other order gives 1.
TEST(MatrixMultiplyOrder, CancellationAcrossDepthBlocksFollowsIndexOrder) {
  const Shape s{5, 300, 27};
  std::vector<double> a(static_cast<size_t>(s.m * s.k), 0.0);
  for (int64_t i = 0; i < s.m; ++i) {
    a[i * s.k + 254 + i] = 1e16;
    a[i * s.k + 255 + i] = 1.0;
    a[i * s.k + 256 + i] = -1e16;
  }
  const std::vector<double> b(static_cast<size_t>(s.k * s.n), 1.0);
  for (const MultiplyKernel& variant : VariantsUnderTest())
    EXPECT_TRUE(BitIdentical(Product(variant.run, a, b, s), std::vector<double>(5 * 27, 0.0)))
        << variant.name;
}

// -1 + (1 + 2^-30) * (1 - 2^-30): the product rounds to 1, so the separate
// multiply and add give exactly 0; a fused multiply-add would give -2^-60.
TEST(MatrixMultiplyOrder, MultiplyAndAddAreNotFused) {
  const double e = std::ldexp(1.0, -30);
  for (const Shape& s : {Shape{9, 2, 1}, Shape{9, 2, 30}}) {
    std::vector<double> a(static_cast<size_t>(s.m * 2));
    for (int64_t i = 0; i < s.m; ++i) {
      a[i * 2] = -1.0;
      a[i * 2 + 1] = 1.0 + e;
    }
    std::vector<double> b(static_cast<size_t>(2 * s.n));
    for (int64_t j = 0; j < s.n; ++j) {
      b[j] = 1.0;
      b[s.n + j] = 1.0 - e;
    }
    for (const MultiplyKernel& variant : VariantsUnderTest())
      EXPECT_TRUE(BitIdentical(Product(variant.run, a, b, s),
                               std::vector<double>(static_cast<size_t>(s.m * s.n), 0.0)))
          << variant.name << " " << Describe(s);
  }
}

// Sums start at +0.0: products that are all -0.0 give +0.0, not -0.0.
TEST(MatrixMultiplyOrder, NegativeZeroProductsSumToPositiveZero) {
  for (const Shape& s : {Shape{1, 1, 1}, Shape{9, 3, 1}, Shape{11, 1, 29}, Shape{10, 300, 50}}) {
    const std::vector<double> a(static_cast<size_t>(s.m * s.k), -0.0);
    const std::vector<double> b(static_cast<size_t>(s.k * s.n), 2.0);
    for (const MultiplyKernel& variant : VariantsUnderTest()) {
      for (double x : Product(variant.run, a, b, s)) {
        EXPECT_EQ(x, 0.0);
        EXPECT_FALSE(std::signbit(x)) << variant.name << " " << Describe(s);
      }
    }
  }
}

// --- exception flags ------------------------------------------------------------

int FlagsRaisedBy(MultiplyKernelFunction multiply, const std::vector<double>& a,
                  const std::vector<double>& b, const Shape& s) {
  std::vector<double> c(static_cast<size_t>(s.m * s.n));
  std::feclearexcept(FE_ALL_EXCEPT);
  multiply(a.data(), b.data(), c.data(), s.m, s.k, s.n);
  return std::fetestexcept(FE_INVALID | FE_OVERFLOW | FE_DIVBYZERO);
}

// An infinity times positive numbers raises nothing; a variant that computed
// padding lanes (infinity times zero) would raise the invalid flag.
TEST(MatrixMultiplyFlags, InfinityInEdgeTilesRaisesNothing) {
  for (const Shape& s : {Shape{9, 7, 29}, Shape{7, 13, 3}, Shape{13, 5, 1}, Shape{3, 300, 2401}}) {
    std::vector<double> a(static_cast<size_t>(s.m * s.k), 1.5);
    a.back() = std::numeric_limits<double>::infinity();
    const std::vector<double> b(static_cast<size_t>(s.k * s.n), 0.25);
    for (const MultiplyKernel& variant : VariantsUnderTest())
      EXPECT_EQ(FlagsRaisedBy(variant.run, a, b, s), 0) << variant.name << " " << Describe(s);
  }
}

TEST(MatrixMultiplyFlags, SameFlagsAsPlainLoop) {
  unsigned seed = 501;
  for (const Shape& s : kShapes) {
    for (bool extreme : {false, true}) {
      const auto a = extreme ? ExtremeValues(s.m * s.k, seed) : OrdinaryValues(s.m * s.k, seed);
      const auto b =
          extreme ? ExtremeValues(s.k * s.n, seed + 1) : OrdinaryValues(s.k * s.n, seed + 1);
      seed += 2;
      const int want = FlagsRaisedBy(MultiplyBlocksPlain, a, b, s);
      for (const MultiplyKernel& variant : VariantsUnderTest())
        EXPECT_EQ(FlagsRaisedBy(variant.run, a, b, s), want) << variant.name << " " << Describe(s);
    }
  }
  std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace tq
