#include "app/form_controls.h"

#include <algorithm>

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

#include "commands/forms.h"

namespace tq::app {

namespace {

// The length from which a static text without line breaks wraps.
constexpr size_t kLongText = 60;

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// The text of a choice: a click on it is a click on its radio button.
class ChoiceText final : public QLabel {
 public:
  ChoiceText(const QString& text, QRadioButton* button) : QLabel(text), button_(button) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && button_->isEnabled()) button_->click();
    QLabel::mouseReleaseEvent(event);
  }

 private:
  QRadioButton* button_;
};

}  // namespace

QLabel* BuddyLabel(const std::string& text, QWidget* buddy) {
  QLabel* label = StaticText(text);
  label->setBuddy(buddy);
  buddy->setAccessibleName(label->text());
  return label;
}

QLabel* StaticText(const std::string& text) {
  auto* label = new QLabel(ToQString(text));
  label->setTextFormat(Qt::PlainText);
  // A text with line breaks of its own keeps them as its lines; a short one
  // stays on one line.
  label->setWordWrap(text.size() > kLongText && text.find('\n') == std::string::npos);
  return label;
}

void SetWidthInCharacters(QWidget& dialog, int characters) {
  dialog.setMinimumWidth(dialog.fontMetrics().averageCharWidth() * characters);
}

void FitHeightToWidth(QWidget& dialog) {
  const int width = std::max(dialog.minimumWidth(), dialog.sizeHint().width());
  const int height = dialog.hasHeightForWidth() ? dialog.heightForWidth(width) : -1;
  dialog.resize(width, height > 0 ? height : dialog.sizeHint().height());
}

QComboBox* NameListBox(const NameList& list, bool editable, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(editable);
  if (editable) {
    // The typed text is the name: nothing is completed or added to the list.
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
  }
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(24);
  ShowNameList(*box, list);
  return box;
}

void ShowNameList(QComboBox& box, const NameList& list) {
  box.clear();
  for (const std::string& entry : list.entries) box.addItem(ToQString(entry));
  const QString text = ToQString(list.text);
  box.setCurrentIndex(box.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  if (box.isEditable()) box.setEditText(text);
}

void ReadNameList(const QComboBox& box, NameList& list) {
  list.text = box.currentText().toStdString();
}

QRadioButton* AddChoice(QBoxLayout& layout, QButtonGroup& group, const char* text, int id) {
  auto* button = new QRadioButton;
  auto* label = new ChoiceText(QString::fromUtf8(text), button);
  button->setAccessibleName(label->text());
  group.addButton(button, id);
  auto* row = new QHBoxLayout;
  row->addWidget(button, 0, Qt::AlignTop);
  row->addWidget(label, 1);
  layout.addLayout(row);
  return button;
}

}  // namespace tq::app
