// Answers for the operation dialogs of the tests.
#pragma once

#include <string>
#include <vector>

#include "commands/forms.h"
#include "support/scripted_ui.h"

namespace tq {

// The next operation dialog is answered with these source texts and this
// output text.
inline void AnswerOperation(testing::ScriptedUi& ui, std::vector<std::string> sources,
                            std::string output) {
  ui.AnswerForm<OperationForm>([sources, output](OperationForm& form) {
    ASSERT_EQ(form.sources.size(), sources.size());
    for (size_t i = 0; i < sources.size(); ++i) form.sources[i].text = sources[i];
    form.output.text = output;
  });
}

}  // namespace tq
