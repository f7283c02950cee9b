// Chart printing on a QPrinter: a real printer, a PDF file, or the page of
// a print preview.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <QRectF>
#include <memory>

#include "chart/print_chart.h"
#include "render/qt_chart_canvas.h"

class QWidget;

namespace tq::app {

class QtChartPrinter final : public ChartPrinter {
 public:
  // With a parent, ChoosePrinter shows the print dialog over it; without
  // one the printer is used as it is set up (a preview's page).
  QtChartPrinter(QPrinter& printer, QWidget* dialogParent);

  bool ChoosePrinter() override;
  bool HasDevice() override { return printer_.isValid(); }
  bool StartDocument(std::string_view name) override;
  bool StartPage() override {
    return painter_.isActive();
  }  // the first page opens with the document
  void EndPage() override { canvas_.reset(); }
  void EndDocument() override;
  double PrintableDeviceHeight() override { return printer_.height(); }
  int32_t PrintableMetricWidth() override;
  int32_t PrintableMetricHeight() override;
  ChartCanvas& MetricCanvas(double originY) override;

  // Where a drawing of `side` 0.1 mm went on the page, in device units
  // from the printable area's top left corner.
  QRectF DeviceRect(int32_t side) const;

 private:
  double DeviceUnitsPerTenthMm() const;

  QPrinter& printer_;
  QWidget* dialogParent_;
  QPainter painter_;
  double originY_ = 0;
  std::unique_ptr<QtChartCanvas> canvas_;  // drawn through painter_, so released first
};

}  // namespace tq::app
