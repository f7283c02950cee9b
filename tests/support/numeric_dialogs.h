// Answers for the search, integral and compute dialogs, queued on the
// scripted port.
#pragma once

#include <string>

#include "commands/compute_dialog.h"
#include "commands/search_commands.h"
#include "support/scripted_ui.h"

namespace tq::testing {

// The search dialog, then the output options (default names, or `save` false).
inline void AnswerSearch(ScriptedUi& ui, const std::string& function, double lower, double upper,
                         int32_t intervals = 1000, double tolerance = 1e-12, bool save = true) {
  ui.AnswerForm<SearchForm>([=](SearchForm& f) {
    f.function = function;
    f.lower = lower;
    f.upper = upper;
    f.intervals = intervals;
    f.tolerance = tolerance;
  });
  ui.AnswerForm<OutputOptionsForm>([=](OutputOptionsForm& f) { f.save = save; });
}

inline void AnswerIntegral(ScriptedUi& ui, const std::string& function, double lower,
                           double upper, double absTol = 1e-20, double relTol = 1e-10) {
  ui.AnswerForm<IntegralForm>([=](IntegralForm& f) {
    f.function = function;
    f.lower = lower;
    f.upper = upper;
    f.absTolerance = absTol;
    f.relTolerance = relTol;
  });
}

inline void AnswerCompute(ScriptedUi& ui, const std::string& source, const std::string& function,
                          const std::string& output) {
  ui.AnswerForm<ComputeForm>([=](ComputeForm& f) {
    f.source.text = source;
    f.function.text = function;
    f.output.text = output;
  });
}

}  // namespace tq::testing
