#include <memory>

#include "commands/dialog.h"
#include "commands/forms.h"
#include "commands/name_check.h"
#include "commands/object_commands.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/string_format.h"
#include "core/ui_port.h"

namespace tq {

namespace {

constexpr int32_t kMaxDimension = 1000000;

bool InRange(int32_t value) { return value >= 1 && value <= kMaxDimension; }

// The dialog's own field validation, before its OK is accepted.
bool FieldsValid(const CreateObjectForm& form) {
  bool ok = form.kind == CreateObjectForm::Kind::kMatrix
                ? InRange(form.columns) && InRange(form.rows)
                : InRange(form.elements);
  if (!ok) ShowMessage(CreateObjectForm::kRangeMessage);
  return ok;
}

// Steps 3 to 6: the name checks and the question about an existing object.
bool NameAccepted(const std::string& name, bool matrix) {
  if (name.empty()) {
    ShowMessage("Error\nName not specified\nPlease enter valid name");
    return false;
  }
  if (name.size() > 128) {
    ShowMessage("Error\nToo long name");
    return false;
  }
  if (!ValidateNewName(name)) {
    if (!Core().nameMessageShown)
      ShowMessage("Error:\nInvalid name <" + name +
                  ">\nPlease enter valid name.\nName shall containg only letters and digits and "
                  "charater _  First character must not be digit.");
    return false;
  }
  if (FindObject(name, OBJMASK_ANY | OBJMASK_WITH_FAILED)) {
    std::string question = "Warning:\nAnother object with name <" + name +
                           (matrix ? "> already exists.\nDo you with do delete old object and "
                                     "create new matrix?"
                                   : "> already exists.\nDo you with do delete old object and "
                                     "create new vector?");
    if (!AskYesNo(question)) return false;
    DeleteObjectByName(name);
  }
  return true;
}

// Adds a built object, or reports why it could not be built; the dialog
// closes either way.
template <class T>
DialogResult Finish(std::unique_ptr<T> object, const std::string& name, const char* failedText,
                    bool& created) {
  if (!object || object->status != STATUS_VALID || Status().flags != 0) {
    ShowMessage(failedText);
    return kCloseDialog;
  }
  object->name = name;
  AddObject(std::move(object));
  return CarriedOut(created);
}

DialogResult CreateMatrix(const CreateObjectForm& form, const std::string& name, bool& created) {
  const int32_t rows = form.rows, columns = form.columns;
  if (columns < 2 && rows < 2 &&
      !AskYesNo("Warning\nspecified matrix dimensions 1 x 1;\nDo you want to create this small "
                "matrix?"))
    return kStayOpen;
  if (columns == 1 &&
      !AskYesNo("Warning\nspecified number of columns equal 1;\nDo you want to create this "
                "matrix?"))
    return kStayOpen;
  if (rows == 1 &&
      !AskYesNo("Warning\nspecified number of rows equal 1;\nDo you want to create this matrix?"))
    return kStayOpen;
  if (int64_t{rows} * columns > 10000000) {
    ShowMessage("Specified matrix is too big");
    return kStayOpen;
  }
  ResetOperationStatus();
  auto matrix = std::unique_ptr<MatrixObject>(new (std::nothrow)
                                                  MatrixObject(columns, rows, form.initial));
  const char* failed =
      double(rows) * double(columns) > 100000
          ? "Error:\nUnable to create new matrix.\nPossibly not enough memory for matrix.\n"
            "Specified matrix size is too big"
          : "Error:\nUnable to create new matrix.\nPossibly not enough memory for matrix.";
  DialogResult result = Finish(std::move(matrix), name, failed, created);
  if (created) Report("Created Matrix %s %dx%d", name.c_str(), rows, columns);
  return result;
}

DialogResult CreateVector(const CreateObjectForm& form, const std::string& name, bool& created) {
  const int32_t elements = form.elements;
  if (elements < 2 &&
      !AskYesNo("Warning\nspecified vectorx dimension is 1;\nDo you want to create this small "
                "vector?"))
    return kStayOpen;
  if (elements >= 1000001) {
    ShowMessage("Warning\nspecified vector is too big");
    return kStayOpen;
  }
  ResetOperationStatus();
  auto vector =
      std::unique_ptr<VectorObject>(new (std::nothrow) VectorObject(elements, form.initial));
  DialogResult result =
      Finish(std::move(vector), name,
             "Error:\nUnable to create new vector.\nPossibly not enough memory for vector.", created);
  if (created) Report("Created Vector %s (%d)", name.c_str(), elements);
  return result;
}

}  // namespace

bool CreateObjectCommand() {
  CreateObjectForm form;
  bool created = false;
  RunDialog(form, [&](ButtonId) {
    if (!FieldsValid(form)) return kStayOpen;
    const bool matrix = form.kind == CreateObjectForm::Kind::kMatrix;
    const std::string name = TrimBlanks(form.name);
    if (!NameAccepted(name, matrix)) return kStayOpen;
    return matrix ? CreateMatrix(form, name, created) : CreateVector(form, name, created);
  });
  return created;
}

}  // namespace tq
