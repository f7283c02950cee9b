#include <algorithm>
#include <cmath>

#include "numeric/integration.h"

namespace tq {

// The published method, with its constants.
Quanc8Result Quanc8(double a, double b, double absErr, double relErr, double (*fun)(double)) {
  constexpr int levmin = 1, levout = 6, nomax = 5000;
  int levmax = 30;
  int nofin = nomax - 8 * (levmax - levout + (1 << (levout + 1)));
  constexpr double w0 = 0.27908289241622575, w1 = 1.6615167548500882, w2 = -0.2618694885361552,
                   w3 = 2.9618342151675483, w4 = -1.2811287477954145;

  Quanc8Result out;
  double area = 0.0, cor11 = 0.0;
  if (a == b) return out;

  double qright[32] = {};
  double f[17], x[17];
  double fsave[9][31], xsave[9][31];

  int lev = 0, nim = 1;
  double x0 = a;
  x[16] = b;
  double qprev = 0.0;
  double f0 = fun(x0);
  const double stone = (b - a) / 16.0;
  x[8] = (x0 + x[16]) / 2.0;
  x[4] = (x0 + x[8]) / 2.0;
  x[12] = (x[8] + x[16]) / 2.0;
  x[2] = (x0 + x[4]) / 2.0;
  x[6] = (x[4] + x[8]) / 2.0;
  x[10] = (x[8] + x[12]) / 2.0;
  x[14] = (x[12] + x[16]) / 2.0;
  for (int j = 2; j <= 16; j += 2) f[j] = fun(x[j]);
  out.evaluations = 9;

  for (;;) {
    // Central step: the odd points of the current sub-interval.
    x[1] = (x0 + x[2]) / 2.0;
    f[1] = fun(x[1]);
    for (int j = 3; j <= 15; j += 2) {
      x[j] = (x[j - 1] + x[j + 1]) / 2.0;
      f[j] = fun(x[j]);
    }
    out.evaluations += 8;
    const double step = (x[16] - x0) / 16.0;
    const double qleft =
        (w0 * (f0 + f[8]) + w1 * (f[1] + f[7]) + w2 * (f[2] + f[6]) + w3 * (f[3] + f[5]) +
         w4 * f[4]) *
        step;
    qright[lev + 1] = (w0 * (f[8] + f[16]) + w1 * (f[9] + f[15]) + w2 * (f[10] + f[14]) +
                       w3 * (f[11] + f[13]) + w4 * f[12]) *
                      step;
    const double qnow = qleft + qright[lev + 1];
    const double qdiff = qnow - qprev;
    area += qdiff;
    const double esterr = std::fabs(qdiff) / 1023.0;
    const double tolerr = std::max(absErr, relErr * std::fabs(area)) * (step / stone);

    bool accept;
    if (lev < levmin) {
      accept = false;
    } else if (lev >= levmax) {
      out.flag += 1.0;
      accept = true;
    } else if (out.evaluations > nofin) {
      nofin = 2 * nofin;
      levmax = levout;
      out.flag += (b - x0) / (b - a);
      accept = true;
    } else {
      accept = esterr <= tolerr;
    }

    if (!accept) {
      // Subdivide: keep the right half for later, go on with the left half.
      nim = 2 * nim;
      ++lev;
      for (int i = 1; i <= 8; ++i) {
        fsave[i][lev - 1] = f[i + 8];
        xsave[i][lev - 1] = x[i + 8];
      }
      qprev = qleft;
      for (int i = 1; i <= 8; ++i) {
        f[18 - 2 * i] = f[9 - i];
        x[18 - 2 * i] = x[9 - i];
      }
      continue;
    }

    out.result += qnow;
    out.errEst += esterr;
    cor11 += qdiff / 1023.0;
    // Climb back to the level whose right half is still to do.
    while (nim % 2 != 0) {
      nim /= 2;
      --lev;
    }
    ++nim;
    if (lev <= 0) break;
    qprev = qright[lev];
    x0 = x[16];
    f0 = f[16];
    for (int i = 1; i <= 8; ++i) {
      f[2 * i] = fsave[i][lev - 1];
      x[2 * i] = xsave[i][lev - 1];
    }
  }

  out.result += cor11;
  if (out.errEst != 0.0) {
    while (std::fabs(out.result) + out.errEst == std::fabs(out.result)) out.errEst *= 2.0;
  }
  return out;
}

}  // namespace tq
