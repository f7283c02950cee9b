// Turning a list entry ("A  matrix 2x3", "f:  description") into a name.
#pragma once

#include <string>

namespace tq {

// When the text is 1 to 999 characters long, removes everything from its
// first blank or colon on; otherwise leaves it unchanged.
void CutEntryName(std::string& text);

// The same, cutting at the first blank only (the object list dialogs).
void CutAtFirstBlank(std::string& text);

// Trims blanks from both ends, then CutEntryName: how an operation dialog
// reads the text of a list.
std::string ReadEntryName(const std::string& text);

}  // namespace tq
