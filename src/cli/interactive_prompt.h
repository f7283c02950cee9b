// The interactive prompt with line editing and history, for a terminal.
#pragma once

#include <functional>
#include <string>

namespace tq::cli {

// Reads lines at the prompt until end of input, passing each to `run`.
// Ctrl+C at the prompt clears the line being typed.
void RunInteractivePrompt(const std::function<void(const std::string&)>& run);

}  // namespace tq::cli
