// Runs console lines: comments, :commands and calculator entries.
#pragma once

#include <cstdio>
#include <string>

#include "cli/console_commands.h"
#include "cli/console_ui.h"
#include "commands/session.h"
#include "core/object_list.h"

namespace tq::cli {

// The name standard input goes by in a failing line's "name:N: " prefix.
inline constexpr const char* kStandardInputName = "<stdin>";

class ConsoleSession {
 public:
  explicit ConsoleSession(ConsoleUi& ui);
  ~ConsoleSession();
  ConsoleSession(const ConsoleSession&) = delete;
  ConsoleSession& operator=(const ConsoleSession&) = delete;

  // Runs one line; false when its command was not carried out. A command
  // that runs out of memory ends with the memory message; the program goes on.
  bool RunLine(const std::string& line);
  // Runs the lines of a stream until its end or Stopped(); false when any
  // line failed or the stream could not be read to its end. A failing line's messages start with "name:N: " (N its
  // line number) when a name is given.
  bool RunStream(FILE* in, const std::string& name = "");

  // --halt: no line runs after one that failed.
  void SetHaltOnFailure(bool halt) { haltOnFailure_ = halt; }
  // No further line may run: :quit or :exit, a failed line under --halt,
  // or Ctrl+C in a run that is not interactive.
  bool Stopped() const;
  bool QuitRequested() const { return context_.QuitRequested(); }
  // Ctrl+C ends a run that is not interactive after the line it stopped.
  void SetEndOnInterrupt(bool end) { endOnInterrupt_ = end; }
  bool Interrupted() const;
  // Opens a workspace file as the desktop program opens one named on its
  // command line.
  bool OpenWorkspace(const std::string& path);

  ConsoleUi& ui() { return ui_; }
  Session& session() { return session_; }

 private:
  bool RunText(const std::string& raw);
  bool RunCommand(const std::string& text);
  bool RunCalculatorEntry(const std::string& text);

  ConsoleUi& ui_;
  ConsoleContext context_;
  bool haltOnFailure_ = false;
  bool endOnInterrupt_ = false;
  bool failed_ = false;
  Document document_;
  Session session_;
};

}  // namespace tq::cli
