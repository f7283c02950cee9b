// The fixture of the search and integral tests: fresh language and search
// state, functions in the workspace, and the dialogs answered in order.
#pragma once

#include <string>

#include "commands/search_commands.h"
#include "lang/lang_test.h"
#include "numeric/search_state.h"

namespace tq::testing {

class NumericTest : public LangTest {
 protected:
  void SetUp() override {
    LangTest::SetUp();
    ResetSearchState();
  }

  // Answers the search dialog, then the output options (default names, or
  // `save` false).
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
};

}  // namespace tq::testing
