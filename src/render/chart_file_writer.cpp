#include "render/chart_file_writer.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "chart/draw_chart.h"
#include "chart/print_chart.h"
#include "render/qt_chart_canvas.h"

namespace tq {

namespace {

constexpr int kPdfResolution = 1200;  // dots per inch
constexpr double kMillimetresPerInch = 25.4;

// The drawings are made in memory and written out at once, so that every
// write to the file is checked (a full disk, a file size limit).
bool WriteBytes(const std::string& path, const QByteArray& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const size_t size = size_t(bytes.size());
  bool written = std::fwrite(bytes.constData(), 1, size, file) == size;
  written = std::fflush(file) == 0 && written;
  return std::fclose(file) == 0 && written;
}

bool DrawPng(const ChartObject& chart, QBuffer& out, int32_t width, int32_t height) {
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return false;
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtChartCanvas canvas(painter);
    DrawChart(canvas, chart, width, height);
  }
  return image.save(&out, "PNG");
}

bool DrawSvg(const ChartObject& chart, QBuffer& out, int32_t width, int32_t height) {
  QSvgGenerator generator;
  generator.setOutputDevice(&out);
  generator.setSize(QSize(width, height));
  generator.setViewBox(QRect(0, 0, width, height));
  generator.setTitle(QString::fromStdString(chart.Title));
  QPainter painter;
  if (!painter.begin(&generator)) return false;
  painter.fillRect(QRect(0, 0, width, height), Qt::white);
  {
    QtChartCanvas canvas(painter);
    DrawChart(canvas, chart, width, height);
  }
  return painter.end();
}

// A PDF file as a printer: one A4 page with 10 mm margins, drawn in 0.1 mm
// units with y growing upwards.
class PdfChartPrinter : public ChartPrinter {
 public:
  PdfChartPrinter(QBuffer& out, const std::string& title) : writer_(&out) {
    writer_.setResolution(kPdfResolution);
    writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    writer_.setTitle(QString::fromStdString(title));
    writer_.setCreator(QStringLiteral("Tallyquist"));
  }

  bool ChoosePrinter() override { return true; }
  bool HasDevice() override { return true; }
  bool StartDocument(std::string_view) override { return painter_.begin(&writer_); }
  bool StartPage() override { return true; }  // the first page opens with the document
  void EndPage() override { canvas_.reset(); }
  void EndDocument() override {
    canvas_.reset();
    if (painter_.isActive()) written_ = painter_.end();
  }
  double PrintableDeviceHeight() override { return writer_.height(); }
  int32_t PrintableMetricWidth() override {
    return static_cast<int32_t>(writer_.width() / kUnitsPerTenthMm);
  }
  int32_t PrintableMetricHeight() override {
    return static_cast<int32_t>(writer_.height() / kUnitsPerTenthMm);
  }
  ChartCanvas& MetricCanvas(double originY) override {
    canvas_ = std::make_unique<QtChartCanvas>(painter_, kUnitsPerTenthMm, QPointF(0, originY));
    return *canvas_;
  }

  bool written() const { return written_; }

 private:
  static constexpr double kUnitsPerTenthMm = kPdfResolution / (kMillimetresPerInch * 10);

  QPdfWriter writer_;
  QPainter painter_;
  std::unique_ptr<QtChartCanvas> canvas_;  // drawn through painter_, so released first
  bool written_ = false;
};

}  // namespace

ChartFileType ChartFileTypeOf(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
    return ChartFileType::kUnknown;
  std::string extension = path.substr(dot + 1);
  for (char& c : extension) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (extension == "png") return ChartFileType::kPng;
  if (extension == "svg") return ChartFileType::kSvg;
  if (extension == "pdf") return ChartFileType::kPdf;
  return ChartFileType::kUnknown;
}

bool WriteChartFile(const ChartObject& chart, const std::string& path, int32_t width,
                    int32_t height, std::string& error) {
  error.clear();
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  bool drawn = false;
  switch (ChartFileTypeOf(path)) {
    case ChartFileType::kPng:
      drawn = DrawPng(chart, out, width, height);
      break;
    case ChartFileType::kSvg:
      drawn = DrawSvg(chart, out, width, height);
      break;
    case ChartFileType::kPdf: {
      PdfChartPrinter printer(out, chart.Title);
      // A printing failure's message is the error.
      if (PrintChart(chart, printer, error) != 1 || !printer.written()) return false;
      drawn = true;
      break;
    }
    case ChartFileType::kUnknown:
      error = "Unknown chart file type <" + path + ">: the name must end in .png, .svg or .pdf";
      return false;
  }
  out.close();
  if (drawn && WriteBytes(path, out.data())) return true;
  error = "Unable to write chart file <" + path + ">";
  return false;
}

namespace {

// Qt's own notes (a missing runtime directory, font fallbacks) are not the
// program's output; only its critical messages are shown.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

void EnsureGuiApplication() {
  if (QGuiApplication::instance()) return;
  qInstallMessageHandler(QuietMessages);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "tallyquist";
  static char* argv[] = {name, nullptr};
  // Kept for the rest of the run; Qt expects one application object.
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

}  // namespace tq

#if defined(__SANITIZE_ADDRESS__)
// The font library keeps caches for the life of the process that the leak
// checker cannot see the owner of; they are not leaks of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
