// The fields of the dialogs as plain structs. A front end shows a form
// filled, lets the user change it and answers OK or Cancel; the commands do
// every check after OK.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ui_port.h"

namespace tq {

// "Create Matrix or Vector".
struct CreateObjectForm : Form {
  enum class Kind { kMatrix, kVector };
  Kind kind = Kind::kMatrix;
  int32_t columns = 2;
  int32_t rows = 2;
  int32_t elements = 2;
  double initial = 0.0;
  std::string name;
};

// A dialog with one list of objects to choose from (Delete, Display, Edit,
// Import, Export). Entries are shown in this order.
struct ObjectChoiceForm : Form {
  std::string title;
  std::string prompt;
  std::string button;
  bool multipleSelection = false;
  std::vector<std::string> entries;
  std::vector<size_t> selected;  // indexes into entries, in list order
};

// One drop-down list of an operation dialog: a source (entries to pick) or
// the editable output list (bare names, or a typed new name).
struct NameList {
  std::string label;
  std::vector<std::string> entries;
  std::string text;  // the text of the list: a picked entry or typed text
};

// An operation dialog of linear algebra and statistics: source lists and
// the output list.
struct OperationForm : Form {
  std::string title;
  std::string button;
  std::vector<NameList> sources;
  NameList output;
};

}  // namespace tq
