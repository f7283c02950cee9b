// Controls shared by the form dialogs: labelled name lists, labels that
// name their control, and radio buttons whose long texts wrap.
#pragma once

#include <string>

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace tq {
struct NameList;
}

namespace tq::app {

// A plain-text label for `buddy`, which takes the label's text as its
// accessible name. Long texts wrap.
QLabel* BuddyLabel(const std::string& text, QWidget* buddy);
// A static text; a long one without line breaks of its own wraps.
QLabel* StaticText(const std::string& text);
// Gives `dialog` the width of about `characters` average characters, so
// that its wrapped texts read as lines, not columns.
void SetWidthInCharacters(QWidget& dialog, int characters);
// Gives the laid-out `dialog` the height its wrapped texts need at its
// width (the size hint counts them at a narrower one).
void FitHeightToWidth(QWidget& dialog);

// A drop-down list for `list`: editable for a name to type (the output
// lists), or a choice among the entries (the source lists).
QComboBox* NameListBox(const NameList& list, bool editable, QWidget* parent);
// Shows the list's entries and text.
void ShowNameList(QComboBox& box, const NameList& list);
// The list's text as the user left it.
void ReadNameList(const QComboBox& box, NameList& list);

// A radio button of `group` with id `id`, whose text wraps beside it;
// clicking the text chooses it.
QRadioButton* AddChoice(QBoxLayout& layout, QButtonGroup& group, const char* text, int id);

}  // namespace tq::app
