// "Compute Function for all elements": a function applied to every element
// of a matrix or a vector.
#pragma once

#include <string>
#include <vector>

#include "commands/forms.h"

namespace tq {

struct ComputeForm : Form {
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  NameList source;    // matrices and vectors
  NameList function;  // functions
  NameList output;    // bare names of matrices and vectors, or a typed name
};

// True when the result was computed and stored.
bool ComputeForAllElementsDialog();
bool MenuComputeForAllElements();

}  // namespace tq
