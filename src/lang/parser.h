// The compiler proper: parses the scanned text and emits the byte code
// into the one code buffer, then resolves the jump labels.
#pragma once

#include <cstdint>

namespace tq::lang {

// Compiles the text that StartScan was given. 0 on success, the number of
// erroneous lines on syntax errors, 2 when the text nests too deeply.
int32_t ParseText();
// Replaces label numbers in jumps by code positions; clears the compiled
// flag when a label is missing or defined twice.
void ResolveLabels();

// The line of the first error of the last compile (0 = none).
int32_t ErrorLine();

}  // namespace tq::lang
