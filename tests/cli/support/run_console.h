// Runs the tallyquist-cli binary and captures its three output channels.
#pragma once

#include <string>
#include <vector>

namespace tq::testing {

struct ConsoleRun {
  std::string out;
  std::string err;
  int status = -1;
};

// Runs the console with `args`, feeding `input` to its standard input;
// `limits` is shell text run first in the console's shell ("ulimit -f 2").
ConsoleRun RunConsole(const std::vector<std::string>& args, const std::string& input = "",
                      const std::string& limits = "");

// Runs the console with `args`, its standard input a pipe that holds
// `input` and stays open, and sends it SIGINT every fifth of a second until
// it ends (at most 20 seconds, then SIGKILL).
ConsoleRun RunConsoleInterrupted(const std::vector<std::string>& args, const std::string& input);

}  // namespace tq::testing
