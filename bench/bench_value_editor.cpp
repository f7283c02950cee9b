// Opening the value editor on big objects: the time until the grid is shown
// and scrolled, and the memory the editor adds beside the object's own.
// Runs on the offscreen platform unless another is chosen.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "app/dialog_window.h"
#include "app/value_grid.h"
#include "commands/dialog.h"
#include "commands/value_editor.h"
#include "core/math_object.h"

namespace {

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// Opens the editor of `object`, shows it, then scrolls it to the middle and
// the end as a user dragging the scroll bar would.
void Measure(const char* what, tq::MathObject& object) {
  tq::ValueEditorForm form = tq::ValueEditorFormFor(object);
  auto apply = [](tq::ButtonId) { return tq::DialogResult::kClose; };
  tq::FormDialog<decltype(apply)> dialog(form, apply);
  const long before = ResidentKb();
  QElapsedTimer clock;
  clock.start();
  std::unique_ptr<tq::app::DialogWindow> window = tq::app::MakeDialogWindow(dialog, nullptr);
  auto* widget = dynamic_cast<QWidget*>(window.get());
  widget->show();
  QCoreApplication::processEvents();
  const double openMs = clock.nsecsElapsed() / 1e6;
  auto* grid = widget->findChild<tq::app::ValueGrid*>();
  clock.restart();
  for (QScrollBar* bar : {grid->rowScrollBar(), grid->columnScrollBar()}) {
    bar->setValue(bar->maximum() / 2);
    QCoreApplication::processEvents();
    bar->setValue(bar->maximum());
    QCoreApplication::processEvents();
  }
  const double scrollMs = clock.nsecsElapsed() / 1e6;
  std::printf("%-28s open %8.1f ms  scroll %6.1f ms  memory added %6ld kB  (model %d x %d cells)\n",
              what, openMs, scrollMs, ResidentKb() - before, grid->model()->rowCount(),
              grid->model()->columnCount());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The first dialog loads fonts and styles; measured apart.
  tq::VectorObject small(10, 1.0 / 3.0);
  Measure("vector of 10 (first dialog)", small);
  tq::VectorObject again(10, 1.0 / 3.0);
  Measure("vector of 10", again);
  {
    tq::VectorObject vector(10'000'000, 1.0 / 3.0);
    std::printf("(the vector of 10^7 itself: %ld kB resident in all)\n", ResidentKb());
    Measure("vector of 10^7", vector);
  }
  tq::MatrixObject matrix(1000, 10'000, 1.0 / 3.0);
  Measure("matrix 10000 x 1000", matrix);
  tq::MatrixObject wide(1'000'000, 2, -0.5);
  Measure("matrix 2 x 10^6", wide);
  return 0;
}
