#include <cstdio>

#include "commands/object_commands.h"
#include "core/object_list.h"
#include "core/string_format.h"
#include "core/ui_port.h"
#include "core/user_cancel.h"

namespace tq {

namespace {

constexpr int kNumbersPerLine = 10;
constexpr size_t kMatrixNumberWidth = 22;

// "%#.12LG  " of the report texts, for a double.
int FormatElement(char* out, size_t size, double value) {
  return std::snprintf(out, size, "%#.12G  ", value);
}

// Removes the run of zeros that ends text[0, end), stepping over blanks.
void RemoveTrailingZeros(std::string& text, size_t end) {
  size_t i = end;
  size_t zerosFrom = end;
  while (i > 1) {
    char c = text[i - 1];
    if (c == '0') {
      zerosFrom = i - 1;
    } else if (c != ' ') {
      break;
    }
    --i;
  }
  // Remove only the zeros; blanks between them and `end` stay.
  std::string kept;
  kept.reserve(text.size());
  for (size_t k = 0; k < text.size(); ++k)
    if (k < zerosFrom || k >= end || text[k] != '0') kept += text[k];
  text.swap(kept);
}

}  // namespace

void TrimNumber(std::string& text, size_t width) {
  if (text.size() < 2) return;
  if (text.find('.') != std::string::npos) {
    size_t exponent = text.find_first_of("Ee");
    if (exponent == std::string::npos)
      RemoveTrailingZeros(text, text.size());
    else if (exponent >= 2)
      RemoveTrailingZeros(text, exponent);
  }
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
}

int32_t DisplayMatrix(const MathObject* object) {
  auto* matrix = dynamic_cast<const MatrixObject*>(object);
  if (!matrix || matrix->status != STATUS_VALID) return 0;
  int64_t sincePoll = 0;
  std::string line;
  char number[64];
  for (int32_t i = 1; i <= matrix->rows; ++i) {
    Report("row %d:", i);
    if (sincePoll > 250) {
      if (PollUserCancel()) return 1;
      sincePoll = 0;
    }
    const double* row = matrix->row(i);
    line.clear();
    int inLine = 0;
    for (int32_t j = 0; j < matrix->columns; ++j) {
      FormatElement(number, sizeof number, row[j]);
      std::string text = number;
      TrimNumber(text, kMatrixNumberWidth);
      line += text;
      if (++inLine == kNumbersPerLine) {
        Report("%s", line.c_str());
        line.clear();
        inLine = 0;
      }
    }
    if (inLine > 0) Report("%s", line.c_str());
    sincePoll += matrix->columns;
  }
  return 1;
}

int32_t DisplayVector(const MathObject* object) {
  auto* vector = dynamic_cast<const VectorObject*>(object);
  if (!vector || vector->status != STATUS_VALID) return 0;
  int64_t sincePoll = 0;
  std::string line;
  char number[64];
  int inLine = 0;
  for (int32_t i = 1; i <= vector->size; ++i) {
    FormatElement(number, sizeof number, vector->at(i));
    line += number;
    if (++inLine == kNumbersPerLine) {
      Report("%s", line.c_str());
      line.clear();
      inLine = 0;
    }
    if (++sincePoll > 400) {
      if (PollUserCancel()) return 1;
      sincePoll = 0;
    }
  }
  if (inLine > 0) Report("%s", line.c_str());
  return 1;
}

int32_t DisplayObject(const std::string& name) {
  MathObject* object = FindObjectExact(name);
  if (!object) return 0;
  if (object->status == STATUS_FAILED) {
    ShowMessage(
        "Error:\nObject state is not valid.\nLast operation on this object has failed.\nUnable "
        "to display object.");
    return 0;
  }
  if (object->status != STATUS_VALID) {
    ShowMessage("Error:\nObject state is not valid.\nUnable to display object.");
    return 0;
  }
  if (auto* matrix = dynamic_cast<MatrixObject*>(object)) {
    if (matrix->count() > 400 &&
        !AskYesNo("Warning:\nMatrix is too big to display.\nAre you sure to display all elements?"))
      return 0;
    Report("Matrix  %s  %dx%d", name.c_str(), matrix->rows, matrix->columns);
    DisplayMatrix(matrix);
    return 1;
  }
  if (auto* vector = dynamic_cast<VectorObject*>(object)) {
    if (vector->size > 400 &&
        !AskYesNo("Warning:\nVector is too big to display.\nAre you sure to display all elements?"))
      return 0;
    Report("Vector  %s  (%d)", name.c_str(), vector->size);
    DisplayVector(vector);
    return 1;
  }
  ShowMessage("Unable to display object.");
  return 0;
}

}  // namespace tq
