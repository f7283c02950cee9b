#include "cli/console_session.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <new>

#include "commands/file_commands.h"
#include "cli/language_console.h"

namespace tq::cli {

namespace {

// Shown when a command cannot obtain the memory it needs.
constexpr const char* kNoMemory = "Not enough memory.";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

CommandLine SplitCommand(const std::string& text) {
  CommandLine line;
  size_t at = 1;  // after the colon
  size_t end = at;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  line.word = text.substr(at, end - at);
  size_t restFrom = end;
  while (restFrom < text.size() && IsBlank(text[restFrom])) ++restFrom;
  line.rest = text.substr(restFrom);
  while (!line.rest.empty() && IsBlank(line.rest.back())) line.rest.pop_back();
  size_t i = 0;
  while (i < line.rest.size()) {
    while (i < line.rest.size() && IsBlank(line.rest[i])) ++i;
    size_t j = i;
    while (j < line.rest.size() && !IsBlank(line.rest[j])) ++j;
    if (j > i) line.args.push_back(line.rest.substr(i, j - i));
    i = j;
  }
  return line;
}

}  // namespace

ConsoleSession::ConsoleSession(ConsoleUi& ui)
    : ui_(ui), context_(ui), session_(document_, ui) {}

// The workspace is discarded silently.
ConsoleSession::~ConsoleSession() = default;

bool ConsoleSession::RunLine(const std::string& raw) {
  bool ok = false;
  try {
    ok = RunText(raw);
  } catch (const std::bad_alloc&) {
    ui_.ShowMessage(kNoMemory);
  }
  ui_.ClearForms();
  session_.DeliverChanges();
  std::fflush(stdout);
  return ok;
}

bool ConsoleSession::RunText(const std::string& raw) {
  std::string text = raw;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  if (first == text.size() || text[first] == '#') return true;
  bool ok = text[first] == ':' ? RunCommand(text.substr(first)) : RunCalculatorEntry(text);
  ui_.ClearForms();
  std::fflush(stdout);
  if (!ok) failed_ = true;
  return ok;
}

bool ConsoleSession::Interrupted() const { return endOnInterrupt_ && g_interruptSeen; }

bool ConsoleSession::Stopped() const {
  return context_.QuitRequested() || (haltOnFailure_ && failed_) || Interrupted();
}

bool ConsoleSession::RunCommand(const std::string& text) {
  CommandLine line = SplitCommand(text);
  const ConsoleCommand* command = FindConsoleCommand(line.word);
  if (!command) {
    ui_.Error("Unknown command :" + line.word + " (:help lists the commands)");
    return false;
  }
  line.word = command->name;
  context_.Begin(line);
  return command->run(context_, line);
}

bool ConsoleSession::RunCalculatorEntry(const std::string& text) {
  return RunCalculatorLine(ui_, text);
}

bool ConsoleSession::OpenWorkspace(const std::string& path) {
  try {
    const bool opened = OpenDocumentFile(path);
    session_.DeliverChanges();
    return opened;
  } catch (const std::bad_alloc&) {
    ui_.ShowMessage(kNoMemory);
    session_.DeliverChanges();
    return false;
  }
}

bool ConsoleSession::RunStream(FILE* in, const std::string& name) {
  bool ok = true;
  std::string line;
  int c;
  for (long number = 1; !Stopped(); ++number) {
    line.clear();
    bool held = true;
    try {
      // A read that Ctrl+C interrupts ends the stream.
      while ((c = std::fgetc(in)) != EOF && c != '\n') line += char(c);
    } catch (const std::bad_alloc&) {
      // A line too long to hold fails; the lines after it still run.
      held = false;
      std::string().swap(line);
      while ((c = std::fgetc(in)) != EOF && c != '\n') {
      }
    }
    if (c == EOF && Interrupted()) break;
    // A stream that fails (a directory, an I/O error) is not a script that ended.
    if (c == EOF && std::ferror(in)) {
      const int error = errno;
      ui_.Error("Unable to read " +
                (name == kStandardInputName ? std::string("standard input") : "script file " + name) +
                ": " + std::strerror(error));
      return false;
    }
    if (c == EOF && line.empty()) break;
    if (!name.empty()) ui_.SetLocation(name + ":" + std::to_string(number) + ": ");
    bool lineOk = false;
    if (held)
      lineOk = RunLine(line);
    else
      ui_.ShowMessage(kNoMemory);
    if (!lineOk && !name.empty() && !ui_.LocationShown())
      ui_.Error("the line was not carried out");
    ui_.SetLocation("");
    ok = lineOk && ok;
    if (c == EOF) break;
  }
  return ok;
}

}  // namespace tq::cli
