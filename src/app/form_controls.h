// Controls shared by the form dialogs: labels that name their control,
// numeric fields in the C locale, drop-down lists and lists filled from a
// form, and a few layout helpers.
#pragma once

#include <QLocale>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tq {
struct NameList;
}

namespace tq::app {

inline QString QText(const std::string& text) { return QString::fromStdString(text); }

// A plain-text label for `buddy`, which takes the label's text as its
// accessible name. Long texts wrap.
QLabel* BuddyLabel(const QString& text, QWidget* buddy);
// A static text; a long one without line breaks of its own wraps.
QLabel* StaticText(const QString& text);

// Fields that accept numbers written with '.' whatever the user's locale.
QLineEdit* NumberField(double value);
QLineEdit* IntegerField(int32_t value);
// Shows `value`; by default so that reading the field gives it back exactly.
void ShowNumber(QLineEdit* field, double value, int digits = QLocale::FloatingPointShortest);
// The field's number; false after the message naming `label` (the field
// keeps the user's text and takes the focus).
bool ReadNumber(QLineEdit* field, const std::string& label, double& value);
bool ReadInteger(QLineEdit* field, const std::string& label, int32_t& value);

// A drop-down list: editable for a name to type (nothing completed or added
// to the list), or a choice among its entries.
QComboBox* ComboBox(bool editable);
// Fills `combo` with `entries` and shows `text`: the entry of that text
// chosen, or the text typed into an editable one when no entry has it.
void FillCombo(QComboBox* combo, const std::vector<std::string>& entries, const std::string& text);
// A drop-down list showing a form's name list.
QComboBox* NameListBox(const NameList& list, bool editable);
// A drop-down list of fixed choices with `current` chosen (-1 for none).
QComboBox* ChoiceComboBox(const std::vector<std::string>& choices, int current);

// A list of entries, the rows in `selected` selected.
void FillList(QListWidget* list, const std::vector<std::string>& entries,
              const std::vector<size_t>& selected);
std::vector<size_t> SelectedRows(const QListWidget* list);

// A radio button of `group` with id `id`, whose text wraps beside it;
// clicking the text chooses it.
QRadioButton* AddChoice(QBoxLayout& layout, QButtonGroup& group, const char* text, int id);

// A row of `list` (stretched) and the buttons, taken out of the form's
// button row `buttons` where they were made.
QBoxLayout* ListWithButtons(QWidget* list, QBoxLayout* buttons,
                            std::initializer_list<QPushButton*> moved);

// At least `characters` average characters wide in the widget's font, so
// that wrapped texts read as lines, not columns.
void SetMinimumWidthInCharacters(QWidget* widget, int characters);
// Gives the laid-out `dialog` the height its wrapped texts need at its
// width (the size hint counts them at a narrower one).
void FitHeightToWidth(QWidget& dialog);
// Tab order in the order given.
void SetTabOrder(const std::vector<QWidget*>& widgets);

}  // namespace tq::app
