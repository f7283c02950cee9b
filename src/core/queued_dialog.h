// A dialog answered from a queue, as the console and the test port answer
// them: each shown form takes the next answer, which fills it and names the
// button pressed (none, or Cancel, cancels). A dialog kept open takes the
// next answer; with none left it is cancelled.
#pragma once

#include <deque>
#include <functional>
#include <optional>

#include "core/ui_port.h"

namespace tq {

using QueuedAnswer = std::function<std::optional<ButtonId>(Form&)>;

// `shown` counts each time the form is shown.
inline DialogResult RunQueuedDialog(Dialog& dialog, std::deque<QueuedAnswer>& answers,
                                    int& shown) {
  for (;;) {
    ++shown;
    if (answers.empty()) return DialogResult::kCancelled;
    QueuedAnswer answer = std::move(answers.front());
    answers.pop_front();
    std::optional<ButtonId> button = answer(dialog.form());
    if (!button || *button == kCancelButton) return DialogResult::kCancelled;
    DialogResult result = dialog.Apply(*button);
    if (result != DialogResult::kStayOpen) return result;
  }
}

}  // namespace tq
