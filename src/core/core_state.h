// The core library's part of the session: the error record, the stop flag,
// the name-rule state, the current document and port, and the changes made
// since observers were last told. One instance, reached through Core().
#pragma once

#include <cstdint>

namespace tq {

class Document;
class UiPort;

inline constexpr int kStatusMessageSize = 1024;

struct OperationStatusRecord {
  int32_t lastCode = 0;
  int32_t flags = 0;
  char message[kStatusMessageSize] = {};
  uint32_t faultCode = 0;
  int32_t inProtectedCall = 0;
  uint32_t savedControlWord = 0;
};

// What changed; recorded as bits where it happens, delivered when a command
// or an edit ends.
enum ChangeKind : uint32_t {
  CHANGE_OBJECT_LIST = 1,    // an object added, deleted, replaced or renamed
  CHANGE_OBJECT_VALUES = 2,  // the values of an existing matrix or vector
  CHANGE_FUNCTION = 4,
  CHANGE_VARIABLE = 8,
  CHANGE_CHART = 16,
};
using ChangeSet = uint32_t;

struct CoreState {
  OperationStatusRecord status;
  // 1 after the user has confirmed that the running calculation is to stop.
  int32_t userCancelled = 0;
  // Set by ValidateNewName when it showed a message of its own.
  int32_t nameMessageShown = 0;
  Document* document = nullptr;
  UiPort* ui = nullptr;
  // Test hook: allocations left before one fails (-1: never).
  int64_t allocationsUntilFailure = -1;
  ChangeSet pendingChanges = 0;
  // Changed since the workspace was last saved, opened or made new.
  bool modified = false;
};

namespace detail {
extern CoreState coreState;
}

inline CoreState& Core() { return detail::coreState; }
inline OperationStatusRecord& Status() { return detail::coreState.status; }

// Records a change; every change marks the session modified.
inline void NoteChange(ChangeSet kinds) {
  CoreState& core = detail::coreState;
  core.pendingChanges |= kinds;
  core.modified = true;
}

// The changes recorded since the last call, cleared.
inline ChangeSet TakeChanges() {
  ChangeSet changes = detail::coreState.pendingChanges;
  detail::coreState.pendingChanges = 0;
  return changes;
}

// Back to the state at program start, keeping the document and port.
void ResetCoreState();

}  // namespace tq
