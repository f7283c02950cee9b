// One session of the workbench: the state of every library, the command
// layer's own state, the observers told about changes, and the modified
// flag. Each library keeps its part in one state object reached through its
// accessor (Core(), lang::Lang(), Numeric(), ChartLibraryState(),
// Commands()); a front end owns one Session, which installs its document and
// port and delivers the changes recorded while a command ran.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/calculator_commands.h"
#include "core/core_state.h"

namespace tq {

class Document;
class UiPort;

// The command layer's part of the session.
struct CommandsState {
  CalculatorState calculator;
  // The file the workspace was last opened from or saved to.
  std::string workspacePath;
  // Set while an Open merges into the workspace instead of replacing it.
  int32_t keepObjectsOnOpen = 0;
  // The next default chart and series names ("Chart1", "series1").
  int32_t chartCounter = 1;
  int32_t seriesCounter = 1;
  // The chart the Chart dialog preselects.
  std::string lastChartName;
};

namespace detail {
extern CommandsState commandsState;
}

inline CommandsState& Commands() { return detail::commandsState; }

// Told what changed when a command or a value edit ends (the calculator
// window and the object lists listen).
class SessionObserver {
 public:
  virtual ~SessionObserver() = default;
  virtual void OnSessionChanged(ChangeSet changes) = 0;
};

class Session {
 public:
  // Installs the document and the port for the lifetime of the session.
  Session(Document& document, UiPort& ui);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void AddObserver(SessionObserver* observer);
  void RemoveObserver(SessionObserver* observer);
  // Tells every observer the changes recorded since the last delivery; a
  // no-op when there were none.
  void DeliverChanges();

  Document& document() { return document_; }

 private:
  Document& document_;
  UiPort& ui_;
  std::vector<SessionObserver*> observers_;
};

// The session that is installed, or nullptr.
Session* CurrentSession();

// Changed since the workspace was last saved, opened or made new.
inline bool SessionModified() { return Core().modified; }
inline void ClearSessionModified() { Core().modified = false; }

// Every library's state back to program start (the installed document and
// port stay, the workspace is not emptied) and the modified flag cleared.
void ResetSession();

}  // namespace tq
