#include "linalg/matrix_multiply.h"

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/fp_flags.h"
#include "linalg/matrix_multiply_kernels.h"

namespace tq {
namespace {

struct Shape {
  int64_t m, k, n;
};

// Every variant this processor runs, and MultiplyBlocks itself (which also
// takes the matrix-by-vector path).
std::vector<MultiplyKernel> Variants() {
  std::vector<MultiplyKernel> variants = AvailableMultiplyKernels();
  variants.push_back({"MultiplyBlocks", MultiplyBlocks});
  return variants;
}

// Ordinary values with signed zeros, tiny and large ones; `extreme` adds
// values whose products overflow and one infinity, `denormal` a few denormals.
std::vector<double> Values(int64_t count, unsigned seed, bool extreme = false,
                           bool denormal = false) {
  std::mt19937_64 engine(seed);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> kind(0, 19);
  std::vector<double> values(static_cast<size_t>(count));
  for (double& x : values) {
    switch (kind(engine)) {
      case 0: x = -0.0; break;
      case 1: x = 0.0; break;
      case 2: x = unit(engine) * 1e-300; break;
      case 3: x = unit(engine) * (extreme ? 3e300 : 1e16); break;
      case 4: x = denormal ? unit(engine) * 1e-310 : unit(engine); break;
      default: x = unit(engine); break;
    }
  }
  if (extreme && count > 0) values[size_t(count) / 2] = -std::numeric_limits<double>::infinity();
  return values;
}

std::vector<double> Product(MultiplyKernelFunction multiply, const std::vector<double>& a,
                            const std::vector<double>& b, const Shape& s, unsigned* flags = nullptr) {
  std::vector<double> c(static_cast<size_t>(s.m * s.n), 42.0);
  ClearFpExceptions();
  multiply(a.data(), b.data(), c.data(), s.m, s.k, s.n);
  if (flags) *flags = ReadSseFlags() & kSseFaultFlags;  // the denormal flag included
  ClearFpExceptions();
  return c;
}

bool BitIdentical(const std::vector<double>& x, const std::vector<double>& y) {
  return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0;
}

// Every variant gives the plain loop's bits and raises the plain loop's flags.
void ExpectSameAsPlain(const Shape& s, bool extreme, unsigned seed, bool denormal = false) {
  const auto a = Values(s.m * s.k, seed, extreme, denormal);
  const auto b = Values(s.k * s.n, seed + 1, extreme, denormal);
  unsigned wantFlags = 0;
  const auto want = Product(MultiplyBlocksPlain, a, b, s, &wantFlags);
  for (const MultiplyKernel& variant : Variants()) {
    unsigned flags = 0;
    EXPECT_TRUE(BitIdentical(Product(variant.run, a, b, s, &flags), want))
        << variant.name << " " << s.m << "x" << s.k << "x" << s.n;
    EXPECT_EQ(flags, wantFlags) << variant.name << " " << s.m << "x" << s.k << "x" << s.n;
  }
}

// Edges of the register tiles (8x24, 6x8, 4x4), the depth block (256), the
// row blocks (128, 96) and the column block (2400); single rows and columns.
const Shape kShapes[] = {
    {1, 1, 1},     {1, 1, 37},    {1, 37, 1},    {37, 1, 1},    {1, 300, 50},
    {50, 300, 1},  {7, 13, 29},   {8, 256, 24},  {9, 257, 25},  {7, 255, 23},
    {6, 8, 8},     {5, 3, 9},     {17, 513, 33}, {129, 31, 49}, {97, 300, 13},
    {2, 3, 2401},  {3, 2, 2399},  {64, 64, 64},  {5, 0, 30},
};

TEST(MatrixMultiplyTest, BitIdenticalToThePlainLoopOverEveryShape) {
  unsigned seed = 1;
  for (const Shape& s : kShapes) {
    for (bool extreme : {false, true}) ExpectSameAsPlain(s, extreme, seed += 2);
    ExpectSameAsPlain(s, false, seed += 2, true);
  }
  for (int64_t m = 1; m <= 17; ++m)  // every tile height and partial width
    for (int64_t n = 1; n <= 50; ++n) ExpectSameAsPlain({m, 3, n}, false, seed += 2);
}

TEST(MatrixMultiplyTest, BitIdenticalAtOneThousand) {
  const Shape s{1000, 1000, 1000};
  const auto a = Values(s.m * s.k, 7), b = Values(s.k * s.n, 8);
  EXPECT_TRUE(BitIdentical(Product(MultiplyBlocks, a, b, s), Product(MultiplyBlocksPlain, a, b, s)));
}

// Row i holds 1e16, 1, -1e16 at depth 254 + i, across the first depth block's
// end for some rows. In index order the 1 is lost (1e16 + 1 == 1e16) and the
// sum is exactly 0; any other order gives 1.
TEST(MatrixMultiplyTest, SumsFollowIndexOrderAcrossDepthBlocks) {
  const Shape s{5, 300, 27};
  std::vector<double> a(static_cast<size_t>(s.m * s.k), 0.0);
  for (int64_t i = 0; i < s.m; ++i) {
    a[i * s.k + 254 + i] = 1e16;
    a[i * s.k + 255 + i] = 1.0;
    a[i * s.k + 256 + i] = -1e16;
  }
  const std::vector<double> b(static_cast<size_t>(s.k * s.n), 1.0);
  for (const MultiplyKernel& variant : Variants())
    EXPECT_TRUE(BitIdentical(Product(variant.run, a, b, s), std::vector<double>(5 * 27, 0.0)))
        << variant.name;
}

// -1 + (1 + 2^-30) * (1 - 2^-30) is exactly 0 with a separate multiply and
// add; a fused multiply-add would give -2^-60. All -0.0 products sum to +0.0.
TEST(MatrixMultiplyTest, NoFusedMultiplyAddAndSumsStartAtPlusZero) {
  const double e = std::ldexp(1.0, -30);
  const Shape s{9, 2, 30};
  std::vector<double> a(18), b(60);
  for (int64_t i = 0; i < 9; ++i) a[i * 2] = -1.0, a[i * 2 + 1] = 1.0 + e;
  for (int64_t j = 0; j < 30; ++j) b[j] = 1.0, b[30 + j] = 1.0 - e;
  const std::vector<double> negative(18, -0.0);
  for (const MultiplyKernel& variant : Variants()) {
    EXPECT_TRUE(BitIdentical(Product(variant.run, a, b, s), std::vector<double>(270, 0.0)))
        << variant.name;
    for (double x : Product(variant.run, negative, b, s)) EXPECT_FALSE(std::signbit(x)) << variant.name;
  }
}

// A variant that computed padding lanes (infinity times zero) would raise
// the invalid flag where the plain loop raises nothing.
TEST(MatrixMultiplyTest, InfinityInEdgeTilesRaisesNothing) {
  for (const Shape& s : {Shape{9, 7, 29}, Shape{13, 5, 1}, Shape{3, 300, 2401}}) {
    std::vector<double> a(static_cast<size_t>(s.m * s.k), 1.5);
    a.back() = std::numeric_limits<double>::infinity();
    const std::vector<double> b(static_cast<size_t>(s.k * s.n), 0.25);
    for (const MultiplyKernel& variant : Variants()) {
      unsigned flags = ~0u;
      Product(variant.run, a, b, s, &flags);
      EXPECT_EQ(flags, 0u) << variant.name;
    }
  }
}

// One denormal operand in an edge tile, or products that underflow to
// denormals and are then summed: every variant raises the denormal flag
// exactly where the plain loop does. Padding lanes (zero times a denormal)
// would raise it where the plain loop does not.
TEST(MatrixMultiplyTest, DenormalFlagAsThePlainLoopRaisesIt) {
  for (const Shape& s : {Shape{9, 7, 29}, Shape{13, 5, 1}, Shape{3, 300, 2401}, Shape{8, 3, 24}}) {
    std::vector<double> a(static_cast<size_t>(s.m * s.k), 1.5);
    std::vector<double> b(static_cast<size_t>(s.k * s.n), 0.25);
    const std::vector<double> tiny(a.size(), 1e-300);
    b.back() = 1e-310;
    for (const auto& [left, right, denormal] :
         {std::tuple{a, b, true}, std::tuple{tiny, std::vector<double>(b.size(), 1e-15), true},
          std::tuple{tiny, std::vector<double>(b.size(), 1e-5), false}}) {
      unsigned want = 0;
      Product(MultiplyBlocksPlain, left, right, s, &want);
      EXPECT_EQ((want & kSseDenormal) != 0, denormal) << s.m << "x" << s.k << "x" << s.n;
      for (const MultiplyKernel& variant : Variants()) {
        unsigned flags = ~0u;
        Product(variant.run, left, right, s, &flags);
        EXPECT_EQ(flags, want) << variant.name << " " << s.m << "x" << s.k << "x" << s.n;
      }
    }
  }
}

}  // namespace
}  // namespace tq
