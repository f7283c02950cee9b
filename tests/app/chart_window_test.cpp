// The chart window: its layout, the drawing, the viewing aids and printing.
#include <QTest>

#include "app/app_test.h"
#include "app/chart_window.h"

namespace tq::app::testing {
namespace {
}  // namespace
}  // namespace tq::app::testing
