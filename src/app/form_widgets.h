// Controls shared by the form dialogs: numeric fields in the C locale,
// labels bound to their controls, lists filled from a form.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class QBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tq::app {

inline QString QText(const std::string& text) { return QString::fromStdString(text); }

// A label for `buddy`, which takes the label's text as its accessible name.
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent);
// A wrapped static text.
QLabel* StaticText(const QString& text, QWidget* parent);

// Fields that accept numbers written with '.' whatever the user's locale.
QLineEdit* NumberField(double value, QWidget* parent);
QLineEdit* IntegerField(int32_t value, QWidget* parent);
void ShowNumber(QLineEdit* field, double value);
// The field's number; false after the message naming `label` (the field
// keeps the user's text and takes the focus).
bool ReadNumber(QLineEdit* field, const std::string& label, double& value);
bool ReadInteger(QLineEdit* field, const std::string& label, int32_t& value);

// A drop-down list holding `entries` with `text` shown (typed into an
// editable one when it is no entry).
void FillCombo(QComboBox* combo, const std::vector<std::string>& entries, const std::string& text);
// A list of entries, the rows in `selected` selected.
void FillList(QListWidget* list, const std::vector<std::string>& entries,
              const std::vector<size_t>& selected);
std::vector<size_t> SelectedRows(const QListWidget* list);

// A row of `list` (stretched) and the buttons, taken out of the form's
// button row `buttons` where they were made.
QBoxLayout* ListWithButtons(QWidget* list, QBoxLayout* buttons,
                            std::initializer_list<QPushButton*> moved);

// At least `characters` average characters wide in the widget's font.
void SetMinimumWidthInCharacters(QWidget* widget, int characters);

// Tab order in the order given.
void SetTabOrder(const std::vector<QWidget*>& widgets);

}  // namespace tq::app
