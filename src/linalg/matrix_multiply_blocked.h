// The cache-blocked product, written once over a "lanes" type (a vector of
// doubles and its operations) and instantiated by each instruction-set file
// inside its target region. Everything here has internal linkage, so each
// instantiation stays in the file that compiled it for its instruction set.
//
// Why the order of every sum is the plain loop's:
// - Element c[i][j] is only ever touched by one lane of one accumulator at a
//   time; vectors run across columns j, never across the index p.
// - The index p is walked in increasing order inside a depth block, and depth
//   blocks are walked in increasing order. Between blocks the running sum is
//   stored in c and loaded back, which is exact.
// - The first depth block starts every accumulator at +0.0 and adds the first
//   product to it, like the plain loop's zero fill followed by +=.
// - Each term is a separate multiply and add (the build forbids contraction
//   into fused multiply-add).
// The same products are computed once each and nothing else: edge tiles use
// masked lanes (which raise no exceptions) or single-lane code, never padding,
// so the exception flags raised are also those of the plain loop.
//
// Include after <algorithm>, <cstddef>, <cstdint>, <new>, <type_traits> and
// <utility>, so that no standard header is compiled for the target here.
#pragma once

namespace tq {
namespace {

// One double per lane: the edge columns of the instruction sets without
// masked arithmetic.
struct ScalarLanes {
  using Vec = double;
  using Mask = int;
  static constexpr int kWidth = 1;
  static constexpr bool kHasMask = false;
  static Vec Zero() { return 0.0; }
  static Vec Load(const double* p) { return *p; }
  static void Store(double* p, Vec v) { *p = v; }
  static Vec Broadcast(double x) { return x; }
  static Vec Mul(Vec x, Vec y) { return x * y; }
  static Vec Add(Vec x, Vec y) { return x + y; }
};

// Where one register tile reads its packed operands and writes its results.
struct TileArgs {
  int64_t depth;           // number of terms in this depth block
  const double* packed_a;  // depth x rows, rows interleaved per index p
  const double* packed_b;  // depth x strip width, `b_stride` apart per index p
  int64_t b_stride;
  double* c;         // top-left element of the tile
  int64_t c_stride;  // row length of c
  bool carry;        // continue the sums stored in c (not the first block)
};

// kRows x kVecs vectors of c, the last vector limited to `mask` when
// kMaskLast. The accumulators stay in registers over the whole depth block.
template <class Lanes, int kRows, int kVecs, bool kMaskLast>
void MultiplyTile(const TileArgs& t, typename Lanes::Mask mask) {
  using Vec = typename Lanes::Vec;
  constexpr int kWidth = Lanes::kWidth;
  Vec acc[kRows][kVecs];
#pragma GCC unroll 16
  for (int r = 0; r < kRows; ++r) {
#pragma GCC unroll 8
    for (int v = 0; v < kVecs; ++v) {
      double* cv = t.c + r * t.c_stride + v * kWidth;
      if (!t.carry) {
        acc[r][v] = Lanes::Zero();  // +0.0, then the first product is added
      } else if constexpr (kMaskLast) {
        acc[r][v] = v == kVecs - 1 ? Lanes::LoadMasked(cv, mask) : Lanes::Load(cv);
      } else {
        acc[r][v] = Lanes::Load(cv);
      }
    }
  }
  for (int64_t p = 0; p < t.depth; ++p) {
    const double* bp = t.packed_b + p * t.b_stride;
    const double* ap = t.packed_a + p * kRows;
    Vec bv[kVecs];
#pragma GCC unroll 8
    for (int v = 0; v < kVecs; ++v) bv[v] = Lanes::Load(bp + v * kWidth);
#pragma GCC unroll 16
    for (int r = 0; r < kRows; ++r) {
      const Vec av = Lanes::Broadcast(ap[r]);
#pragma GCC unroll 8
      for (int v = 0; v < kVecs; ++v) {
        if constexpr (kMaskLast) {
          if (v == kVecs - 1) {
            acc[r][v] = Lanes::AddProductMasked(acc[r][v], mask, av, bv[v]);
            continue;
          }
        }
        acc[r][v] = Lanes::Add(acc[r][v], Lanes::Mul(av, bv[v]));
      }
    }
  }
#pragma GCC unroll 16
  for (int r = 0; r < kRows; ++r) {
#pragma GCC unroll 8
    for (int v = 0; v < kVecs; ++v) {
      double* cv = t.c + r * t.c_stride + v * kWidth;
      if constexpr (kMaskLast) {
        if (v == kVecs - 1) {
          Lanes::StoreMasked(cv, mask, acc[r][v]);
          continue;
        }
      }
      Lanes::Store(cv, acc[r][v]);
    }
  }
}

// Calls f(std::integral_constant<int, count>) for a run-time count in 1..kMax.
template <int kMax, class F>
void WithCount(int count, F&& f) {
  [&]<int... kIndex>(std::integer_sequence<int, kIndex...>) {
    ((count == kIndex + 1 ? (f(std::integral_constant<int, kIndex + 1>{}), 0) : 0), ...);
  }(std::make_integer_sequence<int, kMax>{});
}

// A tile of kRows rows and `width` columns (at most the full tile width).
template <class Isa, int kRows>
void MultiplyRowTile(int64_t width, const TileArgs& t) {
  using Lanes = typename Isa::Lanes;
  constexpr int kWidth = Lanes::kWidth;
  if (width == Isa::kVecs * kWidth) {
    MultiplyTile<Lanes, kRows, Isa::kVecs, false>(t, {});
    return;
  }
  const int full_vecs = static_cast<int>(width / kWidth);
  const int rest = static_cast<int>(width % kWidth);
  if constexpr (Lanes::kHasMask) {
    // Partial last vector: its unused lanes are masked off.
    const int vecs = full_vecs + (rest > 0 ? 1 : 0);
    const auto mask = Lanes::FirstLanes(rest == 0 ? kWidth : rest);
    if (rest == 0) {
      WithCount<Isa::kVecs>(vecs, [&](auto n) { MultiplyTile<Lanes, kRows, n, false>(t, mask); });
    } else {
      WithCount<Isa::kVecs>(vecs, [&](auto n) { MultiplyTile<Lanes, kRows, n, true>(t, mask); });
    }
  } else {
    // Whole vectors first, then the remaining columns one lane at a time.
    if (full_vecs > 0)
      WithCount<Isa::kVecs - 1>(full_vecs,
                                [&](auto n) { MultiplyTile<Lanes, kRows, n, false>(t, {}); });
    if (rest > 0) {
      TileArgs tail = t;
      tail.packed_b += full_vecs * kWidth;
      tail.c += full_vecs * kWidth;
      WithCount<kWidth - 1>(rest,
                            [&](auto n) { MultiplyTile<ScalarLanes, kRows, n, false>(tail, 0); });
    }
  }
}

// A packing buffer, 64-byte aligned, freed on every path out of the product.
class PackBuffer {
 public:
  explicit PackBuffer(size_t count)
      : data_(static_cast<double*>(
            ::operator new(count * sizeof(double), std::align_val_t{kAlignment}))) {}
  ~PackBuffer() { ::operator delete(data_, std::align_val_t{kAlignment}); }
  PackBuffer(const PackBuffer&) = delete;
  PackBuffer& operator=(const PackBuffer&) = delete;
  double* data() const { return data_; }

 private:
  static constexpr size_t kAlignment = 64;
  double* data_;
};

// Copies rows [0, depth) x columns [0, columns) of b (row length `stride`)
// into strips of `strip` columns, each strip depth x strip, the columns past
// the end of the last strip zero-filled (read but never used).
inline void PackB(const double* b, int64_t stride, int64_t depth, int64_t columns, int64_t strip,
                  double* out) {
  for (int64_t j0 = 0; j0 < columns; j0 += strip) {
    const int64_t width = std::min(strip, columns - j0);
    for (int64_t p = 0; p < depth; ++p) {
      const double* src = b + p * stride + j0;
      double* dst = out + j0 * depth + p * strip;
      std::copy_n(src, width, dst);
      std::fill(dst + width, dst + strip, 0.0);
    }
  }
}

// Copies rows [0, rows) x columns [0, depth) of a (row length `stride`) into
// panels of `panel` rows, each with the panel's rows interleaved per index p.
inline void PackA(const double* a, int64_t stride, int64_t rows, int64_t depth, int64_t panel,
                  double* out) {
  for (int64_t i0 = 0; i0 < rows; i0 += panel) {
    const int64_t height = std::min(panel, rows - i0);
    double* dst = out + i0 * depth;
    for (int64_t r = 0; r < height; ++r) {
      const double* src = a + (i0 + r) * stride;
      for (int64_t p = 0; p < depth; ++p) dst[p * height + r] = src[p];
    }
  }
}

// c[m x n] = a[m x k] * b[k x n]. Isa gives the lanes, the register tile
// (kRows x kVecs vectors) and the cache blocks: kDepth terms per pass, kRowBlock
// rows of packed a (kept in L2), kColumnBlock columns of packed b.
template <class Isa>
void MultiplyBlocked(const double* a, const double* b, double* c, int64_t m, int64_t k, int64_t n) {
  constexpr int64_t kTileRows = Isa::kRows;
  constexpr int64_t kTileWidth = Isa::kVecs * Isa::Lanes::kWidth;
  static_assert(Isa::kRowBlock % kTileRows == 0 && Isa::kColumnBlock % kTileWidth == 0);
  if (m <= 0 || n <= 0) return;
  if (k <= 0) {
    std::fill_n(c, m * n, 0.0);
    return;
  }
  const int64_t depth_block = std::min<int64_t>(Isa::kDepth, k);
  const int64_t row_block = std::min<int64_t>(Isa::kRowBlock, m);
  const int64_t column_block = std::min<int64_t>(Isa::kColumnBlock, n);
  const int64_t padded_columns = (column_block + kTileWidth - 1) / kTileWidth * kTileWidth;
  PackBuffer packed_b(static_cast<size_t>(depth_block * padded_columns));
  PackBuffer packed_a(static_cast<size_t>(depth_block * row_block));

  for (int64_t j0 = 0; j0 < n; j0 += Isa::kColumnBlock) {
    const int64_t columns = std::min<int64_t>(Isa::kColumnBlock, n - j0);
    for (int64_t p0 = 0; p0 < k; p0 += Isa::kDepth) {  // increasing: sums keep their order
      const int64_t depth = std::min<int64_t>(Isa::kDepth, k - p0);
      PackB(b + p0 * n + j0, n, depth, columns, kTileWidth, packed_b.data());
      for (int64_t i0 = 0; i0 < m; i0 += Isa::kRowBlock) {
        const int64_t rows = std::min<int64_t>(Isa::kRowBlock, m - i0);
        PackA(a + i0 * k + p0, k, rows, depth, kTileRows, packed_a.data());
        for (int64_t jt = 0; jt < columns; jt += kTileWidth) {
          const int64_t width = std::min(kTileWidth, columns - jt);
          for (int64_t it = 0; it < rows; it += kTileRows) {
            const int height = static_cast<int>(std::min(kTileRows, rows - it));
            const TileArgs tile{depth,
                                packed_a.data() + it * depth,
                                packed_b.data() + jt * depth,
                                kTileWidth,
                                c + (i0 + it) * n + j0 + jt,
                                n,
                                p0 > 0};
            WithCount<kTileRows>(height,
                                 [&](auto h) { MultiplyRowTile<Isa, h>(width, tile); });
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace tq
