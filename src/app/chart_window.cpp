#include "app/chart_window.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QWheelEvent>
#include <cmath>

#include "app/chart_printer.h"
#include "app/main_window.h"
#include "app/window_commands.h"
#include "chart/chart_model.h"
#include "chart/chart_view.h"
#include "chart/draw_chart.h"
#include "chart/print_chart.h"
#include "commands/chart_dialog.h"
#include "commands/chart_forms.h"
#include "core/ui_port.h"
#include "render/chart_file_writer.h"
#include "render/qt_chart_canvas.h"

namespace tq::app {

// The file dialogs' filter texts as Qt's name filters (file_dialogs.cpp).
QStringList QtNameFilters(const std::string& filter);

namespace {

constexpr const ChartWindowTexts& kTexts = kChartWindowTexts;

// The chart is drawn only into an area of at least this many pixels a side.
constexpr int kMinDrawnSide = 11;
// One notch of the mouse wheel zooms by this factor.
constexpr double kWheelZoom = 1.25;
// The smallest window whose area still follows its size.
constexpr int kMinWindowSide = 101;
// The row of buttons ends this far above the window's bottom edge.
constexpr int kRowBottom = 4;
// A dragged rectangle smaller than this is taken for a click.
constexpr int kMinZoomRect = 4;

QString Text(const char* text) { return QString::fromUtf8(text); }

Qt::PenStyle LineStyle(int32_t lineType) {
  return lineType == LINE_NONE ? Qt::NoPen : lineType == LINE_DASH ? Qt::DashLine : Qt::SolidLine;
}

QColor ToColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

ChartArea::ChartArea(ChartObject& chart, QWidget* parent) : QWidget(parent), chart_(chart) {
  setAccessibleName(Text(kTexts.chartArea));
  setToolTip(Text(kTexts.chartAreaHint));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(kMinDrawnSide, kMinDrawnSide);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartArea::SetLegendShown(bool shown) {
  legend_ = shown;
  update();
}

void ChartArea::ResetView() {
  ResetChartView(chart_);
  update();
}

void ChartArea::Render(QPainter& painter) const {
  painter.fillRect(QRect(0, 0, width(), height()), Qt::white);
  if (width() < kMinDrawnSide || height() < kMinDrawnSide) return;
  {
    QtChartCanvas canvas(painter);
    DrawChart(canvas, chart_, width(), height());
  }
  if (legend_) DrawLegend(painter);
}

// One row per drawn series, top right in the plot area: a piece of its
// line with its marker, and its label.
void ChartArea::DrawLegend(QPainter& painter) const {
  std::vector<const SeriesObject*> shown;
  for (const auto& series : chart_.SeriesList)
    if (series->status == STATUS_VALID && series->Ready && series->XData && series->YData)
      shown.push_back(series.get());
  if (shown.empty()) return;
  painter.save();
  const QFontMetrics metrics(painter.font());
  const int row = metrics.height() + 2, sample = metrics.averageCharWidth() * 5;
  int textWidth = 0;
  for (const SeriesObject* series : shown)
    textWidth =
        std::max(textWidth, metrics.horizontalAdvance(QString::fromStdString(series->Label)));
  const int pad = 6;
  const QRect box(width() - 10 - pad - (pad + sample + pad + textWidth + pad), 10 + pad,
                  pad + sample + pad + textWidth + pad, pad + row * int(shown.size()) + pad);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QColor(120, 120, 120));
  painter.setBrush(Qt::white);
  painter.drawRect(box);
  int y = box.top() + pad + row / 2;
  for (const SeriesObject* series : shown) {
    const QColor color = ToColor(SeriesColor(series->LineColor));
    const int x = box.left() + pad;
    if (series->LineType != LINE_NONE) {
      QPen pen(color, 1, LineStyle(series->LineType));
      painter.setPen(pen);
      painter.drawLine(QPointF(x, y + 0.5), QPointF(x + sample, y + 0.5));
    }
    if (series->MarkerShape > 0) {
      painter.setPen(color);
      painter.setBrush(color);
      QPolygonF marker;
      for (const DevicePoint& p : MarkerPolygon(series->MarkerShape, series->MarkerSize))
        marker.append(QPointF(x + sample / 2 + p.x + 0.5, y + p.y + 0.5));
      if (marker.size() == 1)
        painter.drawPoint(marker[0]);
      else if (marker.size() > 1)
        painter.drawPolygon(marker);
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(x + sample + pad, y - row / 2, textWidth + pad, row),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(series->Label));
    y += row;
  }
  painter.restore();
}

void ChartArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Render(painter);
  if (drag_ == Drag::kZoom && !zoomRect_.isNull()) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(zoomRect_.normalized());
  }
}

QImage ChartArea::Image() const {
  const qreal ratio = devicePixelRatioF();
  QImage image(size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  QPainter painter(&image);
  Render(painter);
  return image;
}

bool ChartArea::ToChart(QPointF point, double& x, double& y) const {
  return ScreenToChart(chart_, width(), height(), point.x(), point.y(), x, y);
}

void ChartArea::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  double x = 0, y = 0;
  if (notches != 0 && ToChart(event->position(), x, y)) {
    ZoomChartView(chart_, x, y, std::pow(kWheelZoom, notches));
    update();
  }
  event->accept();
}

void ChartArea::mousePressEvent(QMouseEvent* event) {
  const bool zoom = event->button() == Qt::RightButton ||
                    (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
  if (!zoom && event->button() != Qt::LeftButton) return;
  pressed_ = event->position().toPoint();
  zoomRect_ = QRect();
  drag_ = zoom ? Drag::kZoom : Drag::kPan;
  const double view[4] = {chart_.ViewXMin, chart_.ViewXMax, chart_.ViewYMin, chart_.ViewYMax};
  std::copy(std::begin(view), std::end(view), pressedView_);
  // The drawn scale: the tick range over the plot area.
  unitsPerPixel_[0] = (chart_.XTicks.TickMax - chart_.XTicks.TickMin) / std::max(1, width() - 20);
  unitsPerPixel_[1] = (chart_.YTicks.TickMax - chart_.YTicks.TickMin) / std::max(1, height() - 30);
}

void ChartArea::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (drag_ == Drag::kZoom) {
    zoomRect_ = QRect(pressed_, at);
    update();
  } else if (drag_ == Drag::kPan) {
    const double dx = -(at.x() - pressed_.x()) * unitsPerPixel_[0];
    const double dy = (at.y() - pressed_.y()) * unitsPerPixel_[1];
    if (SetChartView(chart_, pressedView_[0] + dx, pressedView_[1] + dx, pressedView_[2] + dy,
                     pressedView_[3] + dy))
      update();
  }
}

void ChartArea::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ == Drag::kZoom) {
    const QRect rect = QRect(pressed_, event->position().toPoint()).normalized();
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (rect.width() >= kMinZoomRect && rect.height() >= kMinZoomRect &&
        ToChart(rect.topLeft(), x0, y1) && ToChart(rect.bottomRight(), x1, y0))
      SetChartView(chart_, x0, x1, y0, y1);
  }
  drag_ = Drag::kNone;
  zoomRect_ = QRect();
  update();
}

ChartWindow::ChartWindow(ChartObject& chart, QWidget* parent)
    : QDialog(parent),
      chart_(chart),
      area_(new ChartArea(chart, this)),
      buttonRow_(new QWidget(this)),
      printer_(QPrinter::HighResolution) {
  setWindowTitle(Text(kTexts.title));
  setModal(true);
  setSizeGripEnabled(true);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);

  auto* close = new QPushButton(Text(kTexts.close), buttonRow_);
  auto* print = new QPushButton(Text(kTexts.print), buttonRow_);
  auto* preview = new QPushButton(Text(kTexts.printPreview), buttonRow_);
  auto* save = new QPushButton(Text(kTexts.saveImage), buttonRow_);
  auto* copy = new QPushButton(Text(kTexts.copy), buttonRow_);
  auto* legend = new QCheckBox(Text(kTexts.legend), buttonRow_);
  auto* reset = new QPushButton(Text(kTexts.resetView), buttonRow_);
  for (QPushButton* button : {print, preview, save, copy, reset}) button->setAutoDefault(false);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(print, &QPushButton::clicked, this, &ChartWindow::Print);
  connect(preview, &QPushButton::clicked, this, &ChartWindow::PrintPreview);
  connect(save, &QPushButton::clicked, this, &ChartWindow::SaveImage);
  connect(copy, &QPushButton::clicked, this, &ChartWindow::CopyImage);
  connect(legend, &QCheckBox::toggled, area_, &ChartArea::SetLegendShown);
  connect(reset, &QPushButton::clicked, area_, &ChartArea::ResetView);

  // The area keeps 10 units to the window's edges and ends 32 units above
  // its bottom, where the buttons stand 4 units above the edge; "Close
  // window" starts at 12 and "Print" follows 8 units right of it.
  auto* buttons = new QHBoxLayout(buttonRow_);
  buttons->setContentsMargins(2, 0, 0, 0);
  buttons->setSpacing(8);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{close, print, preview, save, copy, legend, reset})
    buttons->addWidget(widget);
  buttons->addStretch();
  // The row of buttons stands under the area, placed by resizeEvent: the
  // window may be made narrower than the row, and then the area keeps
  // following it and the buttons at the end are cut off whole, not squeezed
  // over their texts. The layout keeps the room for it.
  const int gap = std::max(2, 28 - close->sizeHint().height());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, kRowBottom + gap + buttonRow_->sizeHint().height());
  layout->addWidget(area_, 1);
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  setMinimumSize(kMinWindowSide, kMinWindowSide);

  const QFontMetrics metrics = fontMetrics();
  // Wide enough for the row of buttons, unless the screen is narrower.
  QSize size(std::max(metrics.averageCharWidth() * 100, buttons->sizeHint().width() + 20),
             metrics.height() * 32);
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 0.9);
  resize(size);
}

void ChartWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const QMargins margins = layout()->contentsMargins();
  const QSize row = buttonRow_->sizeHint();
  buttonRow_->setGeometry(margins.left(), height() - kRowBottom - row.height(),
                          std::max(width() - margins.left() - margins.right(), row.width()),
                          row.height());
}

void ChartWindow::Print() {
  QtChartPrinter printer(printer_, this);
  std::string message;
  if (!PrintChart(chart_, printer, message) && !message.empty()) ShowMessage(message);
}

void ChartWindow::PrintPreview() {
  QPrintPreviewDialog preview(&printer_, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* page) {
    QtChartPrinter printer(*page, nullptr);
    std::string message;
    if (!PrintChart(chart_, printer, message) && !message.empty()) ShowMessage(message);
  });
  preview.exec();
}

void ChartWindow::SaveImage() {
  QFileDialog dialog(this, Text(kTexts.saveImageTitle));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList filters = QtNameFilters(kTexts.imageFilter);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    // "PNG image (*.png)": the suffix a name without one gets.
    const qsizetype dot = filter.lastIndexOf(QLatin1Char('.'));
    dialog.setDefaultSuffix(filter.mid(dot + 1).chopped(1));
  });
  dialog.selectFile(QString::fromStdString(chart_.name) + QStringLiteral(".png"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  std::string error;
  if (!WriteChartFile(chart_, dialog.selectedFiles().front().toStdString(), area_->width(),
                      area_->height(), error))
    ShowMessage(error);
}

void ChartWindow::CopyImage() { QApplication::clipboard()->setImage(area_->Image()); }

bool RunChartDialog(MainWindow& mainWindow) {
  return ChartDialog([&mainWindow](ChartObject& chart) {
    QWidget* parent = QApplication::activeModalWidget();
    ChartWindow window(chart, parent ? parent : &mainWindow);
    window.exec();
    return true;
  });
}

}  // namespace tq::app
