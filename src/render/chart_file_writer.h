// Writing a prepared chart into a PNG image, an SVG drawing or a one-page
// PDF document. Needs a QGuiApplication (EnsureGuiApplication).
#pragma once

#include <cstdint>
#include <string>

#include "core/math_object.h"

namespace tq {

enum class ChartFileType { kUnknown, kPng, kSvg, kPdf };

// By the file name's extension, ignoring case.
ChartFileType ChartFileTypeOf(const std::string& path);

// Image sizes a chart file accepts, in pixels per side.
inline constexpr int32_t kMinChartPixels = 11;
inline constexpr int32_t kMaxChartPixels = 8000;

// PNG and SVG use the screen mapping at width x height; PDF prints the
// chart on an A4 page. Returns false when the file cannot be written, with
// `error` set (for a PDF, the printing's message when it has one).
bool WriteChartFile(const ChartObject& chart, const std::string& path, int32_t width,
                    int32_t height, std::string& error);

// Creates the process's QGuiApplication on first use, on the "offscreen"
// platform unless QT_QPA_PLATFORM names another.
void EnsureGuiApplication();

}  // namespace tq
