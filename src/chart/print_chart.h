// Printing a prepared chart on one page: the square drawing of side
// min(W - 10, H - 20) in 0.1 mm, centred vertically.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "chart/chart_canvas.h"
#include "core/math_object.h"

namespace tq {

inline constexpr const char* kPrintDocumentName = "CDC::Printing chart page";
inline constexpr const char* kNoPrinter = "Application unable to initialize printer";
inline constexpr const char* kCannotStartDocument = "Application unable to start printing document";
inline constexpr const char* kCannotStartPage = "Application unable to start printing page";

// A printer as the chart printing needs it; a PDF writer is one too.
class ChartPrinter {
 public:
  virtual ~ChartPrinter() = default;
  // The print dialog (no page range, no selection, no print to file);
  // false when cancelled.
  virtual bool ChoosePrinter() = 0;
  // Whether a device to print on was obtained.
  virtual bool HasDevice() = 0;
  virtual bool StartDocument(std::string_view name) = 0;
  virtual bool StartPage() = 0;
  virtual void EndPage() = 0;
  virtual void EndDocument() = 0;
  // The printable height in device units, and the printable size in 0.1 mm.
  virtual double PrintableDeviceHeight() = 0;
  virtual int32_t PrintableMetricWidth() = 0;
  virtual int32_t PrintableMetricHeight() = 0;
  // The canvas in 0.1 mm with y growing upwards from (0, originY) device
  // units; valid until EndPage.
  virtual ChartCanvas& MetricCanvas(double originY) = 0;
};

// Where a chart goes on a printed page.
struct PrintLayout {
  double originY = 0;  // the origin's distance from the top of the page, in device units
  int32_t side = 0;    // the square drawing's side; nothing is drawn at 100 or less
};

// Printable height H in device units, printable width and height in 0.1 mm.
PrintLayout PrintPageLayout(double deviceHeight, int32_t metricWidth, int32_t metricHeight);

// Prints the chart; 1 when a page was printed, else 0 with `message`
// saying why, or empty when the print dialog was cancelled.
int32_t PrintChart(const ChartObject& chart, ChartPrinter& printer, std::string& message);

}  // namespace tq
