// Runs console lines: comments, :commands and calculator entries.
#pragma once

#include <cstdio>
#include <string>

#include "cli/console_commands.h"
#include "cli/console_ui.h"
#include "commands/session.h"
#include "core/object_list.h"

namespace tq::cli {

class ConsoleSession {
 public:
  explicit ConsoleSession(ConsoleUi& ui);
  ~ConsoleSession();
  ConsoleSession(const ConsoleSession&) = delete;
  ConsoleSession& operator=(const ConsoleSession&) = delete;

  // Runs one line; false when its command was not carried out. A command
  // that runs out of memory ends with the memory message; the program goes on.
  bool RunLine(const std::string& line);
  // Runs every line of a stream; false when any line failed or the stream
  // could not be read to its end (`source` names it in the message).
  bool RunStream(FILE* in, const std::string& source);
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
  Document document_;
  Session session_;
};

}  // namespace tq::cli
