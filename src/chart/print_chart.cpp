#include "chart/print_chart.h"

#include "chart/draw_chart.h"

namespace tq {

PrintLayout PrintPageLayout(double deviceHeight, int32_t metricWidth, int32_t metricHeight) {
  PrintLayout layout;
  const int32_t usableWidth = metricWidth - 10, usableHeight = metricHeight - 20;
  layout.side = usableWidth < usableHeight ? usableWidth : usableHeight;
  layout.originY = deviceHeight - 10;
  if (usableHeight > usableWidth) {
    const double centred = (deviceHeight - 10) - (deviceHeight - 10) *
                                                     (usableHeight - usableWidth) /
                                                     (2.0 * usableHeight);
    if (centred > 100) layout.originY = centred;
  }
  return layout;
}

int32_t PrintChart(const ChartObject& chart, ChartPrinter& printer, std::string& message) {
  message.clear();
  if (!printer.ChoosePrinter()) return 0;
  if (!printer.HasDevice()) {
    message = kNoPrinter;
    return 0;
  }
  if (!printer.StartDocument(kPrintDocumentName)) {
    message = kCannotStartDocument;
    return 0;
  }
  if (!printer.StartPage()) {
    message = kCannotStartPage;
    printer.EndDocument();
    return 0;
  }
  const PrintLayout layout =
      PrintPageLayout(printer.PrintableDeviceHeight(), printer.PrintableMetricWidth(),
                      printer.PrintableMetricHeight());
  if (layout.side > 100)
    DrawChart(printer.MetricCanvas(layout.originY), chart, layout.side, layout.side);
  printer.EndPage();
  printer.EndDocument();
  return 1;
}

}  // namespace tq
