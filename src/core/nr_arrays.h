// 1-based work arrays for the numerical routines: each allocates one spare
// element so that the valid index range starts at the chosen lower bound.
// On failure they report through NumLibAllocError and return nullptr.
#pragma once

#include <cstdint>

namespace tq {

int32_t* ivector(int32_t nl, int32_t nh);
double* dvector(int32_t nl, int32_t nh);
// Rows lie one after the other in one contiguous element block.
double** dmatrix(int32_t nrl, int32_t nrh, int32_t ncl, int32_t nch);

void free_ivector(int32_t* v, int32_t nl, int32_t nh);
void free_dvector(double* v, int32_t nl, int32_t nh);
void free_dmatrix(double** m, int32_t nrl, int32_t nrh, int32_t ncl, int32_t nch);

}  // namespace tq
