// The unit families of the converter: unit names, the factor of each unit in
// its family's base unit, and the temperature formulas.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace tq {

enum class UnitFamily { kWeight, kDistance, kAngle, kTemperature };

// The units of a family in the order of the choosers' lists.
std::span<const char* const> UnitNames(UnitFamily family);

// Proportional families: multiply a value in unit `from` by this to get unit
// `to`. Not defined for temperature.
double ConversionFactor(UnitFamily family, size_t from, size_t to);
// The size of unit `index` in the family's base unit.
double UnitFactor(UnitFamily family, size_t index);

// Temperature: a value t in unit `from` is (t + offset) * factor in unit `to`.
struct TemperatureFormula {
  double offset;
  double factor;
};
TemperatureFormula TemperatureConversion(size_t from, size_t to);

}  // namespace tq
