#include "app/form_controls.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "commands/forms.h"
#include "commands/number_fields.h"
#include "core/ui_port.h"

namespace tq::app {

namespace {

// The length from which a static text without line breaks wraps.
constexpr qsizetype kLongText = 60;

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

bool Refuse(QLineEdit* field, const std::string& label) {
  ShowMessage(NotANumberMessage(label));
  field->setFocus();
  field->selectAll();
  return false;
}

}  // namespace

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
  // An '&' in a label with a buddy marks a mnemonic: the texts have none,
  // and one in a program's label is shown as typed.
  QLabel* label = StaticText(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
  label->setBuddy(buddy);
  buddy->setAccessibleName(text);
  return label;
}

QLabel* StaticText(const QString& text) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  // A text with line breaks of its own keeps them as its lines; a short one
  // stays on one line.
  label->setWordWrap(text.size() > kLongText && !text.contains(QLatin1Char('\n')));
  return label;
}

void ShowNumber(QLineEdit* field, double value, int digits) {
  field->setText(QLocale::c().toString(value, 'g', digits));
}

QLineEdit* NumberField(double value) {
  auto* field = new QLineEdit;
  auto* validator = new QDoubleValidator(field);
  validator->setLocale(QLocale::c());
  validator->setNotation(QDoubleValidator::ScientificNotation);
  field->setValidator(validator);
  ShowNumber(field, value);
  return field;
}

QLineEdit* IntegerField(int32_t value) {
  auto* field = new QLineEdit;
  auto* validator = new QIntValidator(field);
  validator->setLocale(QLocale::c());
  field->setValidator(validator);
  field->setText(QLocale::c().toString(value));
  return field;
}

bool ReadNumber(QLineEdit* field, const std::string& label, double& value) {
  bool ok = false;
  const double number = QLocale::c().toDouble(field->text().trimmed(), &ok);
  if (!ok) return Refuse(field, label);
  value = number;
  return true;
}

bool ReadInteger(QLineEdit* field, const std::string& label, int32_t& value) {
  bool ok = false;
  const int number = QLocale::c().toInt(field->text().trimmed(), &ok);
  if (!ok) return Refuse(field, label);
  value = number;
  return true;
}

QComboBox* ComboBox(bool editable) {
  auto* box = new QComboBox;
  box->setEditable(editable);
  if (editable) {
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
  }
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(24);
  return box;
}

void FillCombo(QComboBox* combo, const std::vector<std::string>& entries, const std::string& text) {
  combo->clear();
  for (const std::string& entry : entries) combo->addItem(QText(entry));
  const QString shown = QText(text);
  int index = combo->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
  // Names are found whatever their case: a choice shows the entry.
  if (index < 0 && !combo->isEditable()) index = combo->findText(shown, Qt::MatchFixedString);
  combo->setCurrentIndex(index);
  if (combo->isEditable()) combo->setEditText(shown);
}

QComboBox* NameListBox(const NameList& list, bool editable) {
  QComboBox* box = ComboBox(editable);
  FillCombo(box, list.entries, list.text);
  return box;
}

QComboBox* ChoiceComboBox(const std::vector<std::string>& choices, int current) {
  QComboBox* box = ComboBox(false);
  for (const std::string& choice : choices) box->addItem(QText(choice));
  box->setCurrentIndex(current);
  return box;
}

void FillList(QListWidget* list, const std::vector<std::string>& entries,
              const std::vector<size_t>& selected) {
  list->clear();
  for (const std::string& entry : entries) list->addItem(QText(entry));
  for (size_t row : selected)
    if (row < entries.size()) list->item(int(row))->setSelected(true);
  if (!selected.empty() && selected.front() < entries.size())
    list->setCurrentRow(int(selected.front()), QItemSelectionModel::Current);
}

std::vector<size_t> SelectedRows(const QListWidget* list) {
  std::vector<size_t> rows;
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->isSelected()) rows.push_back(size_t(row));
  return rows;
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

QBoxLayout* ListWithButtons(QWidget* list, QBoxLayout* buttons,
                            std::initializer_list<QPushButton*> moved) {
  auto* row = new QHBoxLayout;
  row->addWidget(list, 1);
  for (QPushButton* button : moved) {
    buttons->removeWidget(button);
    row->addWidget(button);
  }
  return row;
}

void SetMinimumWidthInCharacters(QWidget* widget, int characters) {
  widget->setMinimumWidth(widget->fontMetrics().averageCharWidth() * characters);
}

void FitHeightToWidth(QWidget& dialog) {
  const int width = std::max(dialog.minimumWidth(), dialog.sizeHint().width());
  const int height = dialog.hasHeightForWidth() ? dialog.heightForWidth(width) : -1;
  dialog.resize(width, height > 0 ? height : dialog.sizeHint().height());
}

void SetTabOrder(const std::vector<QWidget*>& widgets) {
  QWidget* previous = nullptr;
  for (QWidget* widget : widgets) {
    if (!widget) continue;
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace tq::app
