// A console session in the test's own process, writing into two temporary
// files. Make it inside a test of the one fixture: the session installs its
// own document and port over the fixture's until it ends.
#pragma once

#include <cstdio>
#include <string>

#include "cli/console_session.h"
#include "cli/console_ui.h"

namespace tq::testing {

class InProcessConsole {
 public:
  explicit InProcessConsole(cli::QuestionAnswer answer = cli::QuestionAnswer::kNo)
      : ui(out, err, false, answer), session(ui) {}
  ~InProcessConsole() {
    std::fclose(out);
    std::fclose(err);
  }
  InProcessConsole(const InProcessConsole&) = delete;
  InProcessConsole& operator=(const InProcessConsole&) = delete;

  bool Run(const std::string& line) { return session.RunLine(line); }
  // Everything written to standard output or error so far.
  std::string Out() { return Text(out); }
  std::string Err() { return Text(err); }

  FILE* out = std::tmpfile();
  FILE* err = std::tmpfile();
  cli::ConsoleUi ui;
  cli::ConsoleSession session;

 private:
  static std::string Text(FILE* file) {
    std::fflush(file);
    std::string text(size_t(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    return text;
  }
};

}  // namespace tq::testing
