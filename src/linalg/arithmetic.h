// Matrix and vector arithmetic: transpose, add, subtract and the three
// products. Name-level operations run the operation frame; the object-level
// forms take existing objects (the destination already sized) and compute.
#pragma once

#include <cstdint>
#include <string>

#include "core/math_object.h"

namespace tq {

int32_t TransposeMatrix(const std::string& src, const std::string& dest);
int32_t AddMatrices(const std::string& a, const std::string& b, const std::string& dest);
int32_t SubtractMatrices(const std::string& a, const std::string& b, const std::string& dest);
int32_t AddVectors(const std::string& a, const std::string& b, const std::string& dest);
int32_t SubtractVectors(const std::string& a, const std::string& b, const std::string& dest);
int32_t MultiplyMatrices(const std::string& a, const std::string& b, const std::string& dest);
int32_t MultiplyVectors(const std::string& a, const std::string& b, const std::string& dest);
int32_t MultiplyMatrixVector(const std::string& m, const std::string& v, const std::string& dest);

int32_t TransposeMatrixObject(const MatrixObject* src, MatrixObject* dest);
int32_t AddMatrixObjects(const MatrixObject* a, const MatrixObject* b, MatrixObject* dest);
int32_t SubtractMatrixObjects(const MatrixObject* a, const MatrixObject* b, MatrixObject* dest);
int32_t AddVectorObjects(const VectorObject* a, const VectorObject* b, VectorObject* dest);
int32_t SubtractVectorObjects(const VectorObject* a, const VectorObject* b, VectorObject* dest);
int32_t MultiplyMatrixObjects(const MatrixObject* a, const MatrixObject* b, MatrixObject* dest);
int32_t MultiplyVectorObjects(const VectorObject* a, const VectorObject* b, VectorObject* dest);
int32_t MultiplyMatrixVectorObjects(const MatrixObject* m, const VectorObject* v,
                                    VectorObject* dest);

}  // namespace tq
