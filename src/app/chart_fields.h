// Controls the chart dialogs share: a label bound to its field, numeric
// fields in the C locale, and a drop-down list of names.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <string>
#include <vector>

namespace tq::app {

// A label for `field` with the form's text; the field takes it as its
// accessible name.
QLabel* FieldLabel(const std::string& text, QWidget* field);

// A line for a number with '.' as the decimal point, showing `value`.
class NumberField final : public QLineEdit {
 public:
  NumberField(double value, const std::string& label, QWidget* parent);
  // Reads the number; false after the message naming the field (the text
  // stays for the user to correct).
  bool Read(double& value);

 private:
  std::string label_;
};

// An editable drop-down list of `entries` showing `text`.
QComboBox* NameComboBox(const std::vector<std::string>& entries, const std::string& text,
                        QWidget* parent);
// A drop-down list of fixed choices with `current` chosen (-1 for none).
QComboBox* ChoiceComboBox(const std::vector<std::string>& choices, int current, QWidget* parent);

}  // namespace tq::app
