// The fixture of the search, integral and compute tests: fresh language and
// search state, objects and functions in the workspace, dialogs answered in
// order.
#pragma once

#include <string>

#include "commands/compute_dialog.h"
#include "commands/search_commands.h"
#include "lang/lang_test.h"
#include "numeric/search_state.h"
#include "support/objects_fixture.h"

namespace tq::testing {

class NumericTest : public ObjectsTestOn<LangTest> {
 protected:
  void SetUp() override {
    LangTest::SetUp();
    ResetSearchState();
  }
  // The search dialog, then the output options (default names, or `save` false).
  void Search(const std::string& function, double lower, double upper, int32_t intervals = 1000,
              double tolerance = 1e-12, bool save = true) {
    ui.AnswerForm<SearchForm>([=](SearchForm& f) {
      f.function = function;
      f.lower = lower;
      f.upper = upper;
      f.intervals = intervals;
      f.tolerance = tolerance;
    });
    ui.AnswerForm<OutputOptionsForm>([=](OutputOptionsForm& f) { f.save = save; });
  }
  void Integral(const std::string& function, double lower, double upper, double absTol = 1e-20,
                double relTol = 1e-10) {
    ui.AnswerForm<IntegralForm>([=](IntegralForm& f) {
      f.function = function;
      f.lower = lower;
      f.upper = upper;
      f.absTolerance = absTol;
      f.relTolerance = relTol;
    });
  }
  void Compute(std::string source, std::string function, std::string output) {
    ui.AnswerForm<ComputeForm>([=](ComputeForm& f) {
      f.source.text = source;
      f.function.text = function;
      f.output.text = output;
    });
  }
};

}  // namespace tq::testing
