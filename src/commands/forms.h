// The fields of the dialogs as plain structs. A front end shows a form
// filled and lets the user change it; the commands run every check when a
// button is pressed (see commands/dialog.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/form_visitor.h"
#include "core/ui_port.h"

namespace tq {

// "Create Matrix or Vector".
struct CreateObjectForm : Form {
  CreateObjectForm() { title = "Create Matrix or Vector"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  // The kind choice, in the order of Kind.
  static constexpr const char* kKindChoices[2] = {"Create Matrix", "Create Vector"};
  static constexpr const char* kColumnsLabel = "Number of columns";
  static constexpr const char* kRowsLabel = "Number of rows";
  static constexpr const char* kElementsLabel = "Number of elements";
  static constexpr const char* kInitialLabel = "Initialization value";
  static constexpr const char* kNameLabel = "Name";
  // Shown for a size outside 1 .. 1000000, or one that is not an integer.
  static constexpr const char* kRangeMessage = "Please enter an integer between 1 and 1000000.";
  enum class Kind { kMatrix, kVector };
  Kind kind = Kind::kMatrix;
  int32_t columns = 2;
  int32_t rows = 2;
  int32_t elements = 2;
  double initial = 0.0;
  std::string name;
};

// A dialog with one list of objects to choose from (Delete, Display, Edit,
// Import, Export). Entries are shown in this order; the OK button carries
// the action's text.
struct ObjectChoiceForm : Form {
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::string prompt;
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
// the output list. The OK button carries the operation's text.
struct OperationForm : Form {
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::string explanation;  // a static text that explains it, or empty
  std::vector<NameList> sources;
  NameList output;
};

}  // namespace tq
