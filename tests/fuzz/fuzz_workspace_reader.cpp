// Any bytes given to the workspace reader: refused or read, never a crash;
// what was read writes and reads back to the same bytes; every chart read
// is drawn with the fields it was read with.
#include <cstdint>
#include <cstdlib>

#include "chart/display_chart.h"
#include "chart/draw_chart.h"
#include "core/object_list.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_format.h"

namespace {

std::vector<uint8_t> Written(const tq::Document& document) {
  tq::ArchiveWriter writer;
  tq::WriteWorkspace(writer, document.objects);
  return writer.bytes();
}

// Takes every drawing call and draws nothing.
class NullCanvas : public tq::ChartCanvas {
 public:
  explicit NullCanvas(bool printing) : printing_(printing) {}
  bool UsesMetricMapping() const override { return printing_; }
  void SetPen(const tq::Pen&) override {}
  void SetBrush(tq::Rgb) override {}
  void MoveTo(tq::DevicePoint) override {}
  void LineTo(tq::DevicePoint) override {}
  void Polygon(std::span<const tq::DevicePoint>) override {}
  void Text(std::string_view, const tq::TextBox&, tq::HorizontalAlign,
            tq::VerticalAlign) override {}

 private:
  bool printing_;
};

// Draws each chart on a screen and on a printed page. Only two-vector
// series are prepared: a function read from the file could run forever.
void DrawCharts(const tq::Document& document) {
  for (const auto& object : document.objects.entries()) {
    auto* chart = dynamic_cast<tq::ChartObject*>(object.get());
    if (!chart) continue;
    for (auto& series : chart->SeriesList)
      if (series->SeriesType != tq::SERIES_TWO_VECTORS) series->SeriesType = 0;
    tq::DisplayChart(
        *chart,
        [](tq::ChartObject& shown) {
          NullCanvas screen(false), page(true);
          tq::DrawChart(screen, shown, 640, 480);
          tq::DrawChart(page, shown, 2000, 2800);
          return true;
        },
        [](std::string_view) {});
  }
}

// Reads `bytes` into a fresh workspace and writes it again.
bool ReadAndWrite(const uint8_t* data, size_t size, std::vector<uint8_t>& out) {
  tq::MemorySource source({data, size});
  tq::ArchiveReader reader(source);
  tq::WorkspaceContents contents = tq::ReadWorkspace(reader);
  if (!contents.ok()) return false;
  tq::Document document;
  tq::SetCurrentDocument(&document);
  tq::ApplyWorkspaceContents(std::move(contents), false);
  out = Written(document);
  DrawCharts(document);
  tq::SetCurrentDocument(nullptr);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> first, second;
  if (!ReadAndWrite(data, size, first)) return 0;
  if (!ReadAndWrite(first.data(), first.size(), second) || first != second) std::abort();
  return 0;
}
