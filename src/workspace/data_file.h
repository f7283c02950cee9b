// Plain text data files: a vector is one number per line, a matrix one row
// per line. Import never changes an object's size, and changes its elements
// only when the whole file was read.
#pragma once

#include <cstdint>
#include <string>

#include "core/math_object.h"

namespace tq {

// Longest matrix line, line feed included, is one less than this.
inline constexpr int kDataLineBuffer = 4096;

// Why the data file commands cannot use the object `name`: the message the
// command shows, or empty when they can or when there is no such object.
std::string DataObjectRefusal(const std::string& name);

// 1 on success. Name lookups are exact (case counts); an unknown name, or an
// object DataObjectRefusal refuses, does nothing and answers 0.
int32_t ExportObject(const std::string& name, const std::string& path);
int32_t ImportObject(const std::string& name, const std::string& path);

int32_t ExportMatrix(const MatrixObject& matrix, const std::string& path);
int32_t ExportVector(const VectorObject& vector, const std::string& path);
int32_t ImportMatrix(MatrixObject& matrix, const std::string& path);
int32_t ImportVector(VectorObject& vector, const std::string& path);

}  // namespace tq
