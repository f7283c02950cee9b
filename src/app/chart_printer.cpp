#include "app/chart_printer.h"

#include <QPrintDialog>
#include <QString>

namespace tq::app {

namespace {
constexpr double kTenthsOfMmPerInch = 254.0;
}

QtChartPrinter::QtChartPrinter(QPrinter& printer, QWidget* dialogParent)
    : printer_(printer), dialogParent_(dialogParent) {}

// Printing to a PDF file stays among the choices, so that a chart can be
// printed where no printer is installed.
bool QtChartPrinter::ChoosePrinter() {
  if (!dialogParent_) return true;
  QPrintDialog dialog(&printer_, dialogParent_);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}

bool QtChartPrinter::StartDocument(std::string_view name) {
  printer_.setDocName(QString::fromUtf8(name.data(), qsizetype(name.size())));
  return painter_.begin(&printer_);
}

void QtChartPrinter::EndDocument() {
  canvas_.reset();
  if (painter_.isActive()) painter_.end();
}

double QtChartPrinter::DeviceUnitsPerTenthMm() const {
  return printer_.resolution() / kTenthsOfMmPerInch;
}

int32_t QtChartPrinter::PrintableMetricWidth() {
  return static_cast<int32_t>(printer_.width() / DeviceUnitsPerTenthMm());
}

int32_t QtChartPrinter::PrintableMetricHeight() {
  return static_cast<int32_t>(printer_.height() / DeviceUnitsPerTenthMm());
}

ChartCanvas& QtChartPrinter::MetricCanvas(double originY) {
  originY_ = originY;
  canvas_ = std::make_unique<QtChartCanvas>(painter_, DeviceUnitsPerTenthMm(), QPointF(0, originY));
  return *canvas_;
}

QRectF QtChartPrinter::DeviceRect(int32_t side) const {
  const double size = side * DeviceUnitsPerTenthMm();
  return QRectF(0, originY_ - size, size, size);
}

}  // namespace tq::app
