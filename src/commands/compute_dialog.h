// "Compute Function for all elements": a function applied to every element
// of a matrix or a vector.
#pragma once

#include <string>
#include <vector>

#include "commands/forms.h"

namespace tq {

// "New" and "Edit" open the function dialogs while this one stays open.
struct ComputeForm : Form {
  enum Button : ButtonId { kNew = kFirstFormButton, kEdit };
  static constexpr const char* kTitle = "Compute Function for all elements";
  static constexpr const char* kHeading = "Compute function for all elements of source matrix or vector";
  static constexpr const char* kIndexNote =
      "Function f(x) can use system varaibles _M and _N to get current index. _M is a number of row "
      "in the matrix. _N is a number of column in the matrix or element in the vector. ";
  ComputeForm() {
    title = kTitle;
    buttons = {{kOkButton, "Compute"}, {kCancelButton, "Cancel"}, {kNew, "New"}, {kEdit, "Edit"}};
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  NameList source;    // matrices and vectors
  NameList function;  // functions
  NameList output;    // bare names of matrices and vectors, or a typed name
};

// True when the result was computed and stored.
bool ComputeForAllElementsDialog();
bool MenuComputeForAllElements();

}  // namespace tq
