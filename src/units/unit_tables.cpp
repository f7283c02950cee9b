#include "units/unit_tables.h"

#include <array>

namespace tq {

namespace {

constexpr double kPi = 3.141592653589793;

constexpr std::array<const char*, 9> kWeightNames = {
    "kilograms (kg)", "grams (g)",    "metric tons",        "drams (dr)",        "ounces (oz)",
    "pounds (lb)",    "English tons", "troy ounce (oz tr)", "troy pound (lb tr)"};
constexpr std::array<double, 9> kWeightFactors = {1.0,       0.001,     1000.0,   0.00177185, 0.02834952,
                                                  0.4535924, 1016.047, 0.0311035, 0.373242};

constexpr std::array<const char*, 8> kDistanceNames = {
    "meters (m)",  "millimeters (mm)", "centimeters (cm)", "kilometers (km)",
    "inches (in)", "feet (ft)",        "yards (yd)",       "miles"};
constexpr std::array<double, 8> kDistanceFactors = {1.0,    0.001,  0.01,   1000.0,
                                                    0.0254, 0.3048, 0.9144, 1609.344};

constexpr std::array<const char*, 6> kAngleNames = {
    "radians (rad)",       "degrees",
    "grades (gon)",        "revolutions (r)",
    "angle minutes ( ' )", "angle seconds ( '' )"};
// Computed as products at start-up, as the converter always has.
const std::array<double, 6> kAngleFactors = {1.0,
                                             kPi * 0.005555555555555556,
                                             kPi * 0.005,
                                             kPi + kPi,
                                             kPi * 9.259259259259259e-05,
                                             kPi * 1.5432098765432098e-06};

constexpr std::array<const char*, 3> kTemperatureNames = {
    "degrees Celsuis (C)", "degrees Fahrenheit (F)", "degrees Kelvin (K)"};
// A value t of unit k is (t + A[k]) * B[k] degrees Celsius.
constexpr std::array<double, 3> kToCelsiusOffset = {0.0, -32.0, -273.15};
constexpr std::array<double, 3> kToCelsiusFactor = {1.0, 0.5555555555555556, 1.0};

constexpr size_t kPounds = 5, kOunces = 4;

}  // namespace

std::span<const char* const> UnitNames(UnitFamily family) {
  switch (family) {
    case UnitFamily::kWeight: return kWeightNames;
    case UnitFamily::kDistance: return kDistanceNames;
    case UnitFamily::kAngle: return kAngleNames;
    case UnitFamily::kTemperature: return kTemperatureNames;
  }
  return {};
}

double UnitFactor(UnitFamily family, size_t index) {
  switch (family) {
    case UnitFamily::kWeight: return index < kWeightFactors.size() ? kWeightFactors[index] : 0.0;
    case UnitFamily::kDistance:
      return index < kDistanceFactors.size() ? kDistanceFactors[index] : 0.0;
    case UnitFamily::kAngle: return index < kAngleFactors.size() ? kAngleFactors[index] : 0.0;
    case UnitFamily::kTemperature: return 0.0;
  }
  return 0.0;
}

double ConversionFactor(UnitFamily family, size_t from, size_t to) {
  if (family == UnitFamily::kWeight && from == kPounds && to == kOunces) return 16.0;
  return UnitFactor(family, from) / UnitFactor(family, to);
}

TemperatureFormula TemperatureConversion(size_t from, size_t to) {
  const double ai = kToCelsiusOffset[from], bi = kToCelsiusFactor[from];
  const double aj = kToCelsiusOffset[to], bj = kToCelsiusFactor[to];
  return {ai - bj * aj / bi, bi / bj};
}

}  // namespace tq
