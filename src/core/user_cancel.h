// Lets the user stop a long calculation: the cancel poll of the front end,
// confirmed with a question, and the flag that the engines test.
#pragma once

#include <cstdint>

namespace tq {

// 1 after the user has confirmed that the running calculation is to stop.
// Each long computation sets it to 0 when it starts.
extern int32_t UserCancelled;

inline constexpr const char* kStopQuestion = "Do you want to stop calculation?";

// When the user has asked to interrupt, asks whether to stop; on Yes sets
// UserCancelled and returns 1.
int32_t PollUserCancel();

}  // namespace tq
