// Lets the user stop a long calculation: the cancel poll of the front end,
// confirmed with a question, and the flag that the engines test.
#pragma once

#include <cstdint>

#include "core/core_state.h"

namespace tq {

// Core().userCancelled is 1 after the user has confirmed that the running
// calculation is to stop. Each long computation sets it to 0 when it starts.

inline constexpr const char* kStopQuestion = "Do you want to stop calculation?";

// When the user has asked to interrupt, asks whether to stop; on Yes sets
// Core().userCancelled and returns 1.
int32_t PollUserCancel();

// Drops a stop request that arrived while a command that does not poll ran,
// so that it cannot stop the next calculation. Such commands call it when
// they end.
void DropStopRequest();

// Drops the pending stop request when the scope of a command that does not
// poll ends, on every path out of it.
class StopRequestsEndHere {
 public:
  StopRequestsEndHere() = default;
  ~StopRequestsEndHere() { DropStopRequest(); }
  StopRequestsEndHere(const StopRequestsEndHere&) = delete;
  StopRequestsEndHere& operator=(const StopRequestsEndHere&) = delete;
};

}  // namespace tq
