#include "app/form_widgets.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <algorithm>

#include "commands/number_fields.h"
#include "core/ui_port.h"

namespace tq::app {

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  // An '&' in a label with a buddy marks a mnemonic: the texts have none,
  // and one in a program's label is shown as typed.
  auto* label = new QLabel(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")), parent);
  label->setBuddy(buddy);
  label->setTextFormat(Qt::PlainText);
  buddy->setAccessibleName(text);
  return label;
}

QLabel* StaticText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

void ShowNumber(QLineEdit* field, double value) {
  field->setText(QLocale::c().toString(value, 'g', 15));
}

QLineEdit* NumberField(double value, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  auto* validator = new QDoubleValidator(field);
  validator->setLocale(QLocale::c());
  validator->setNotation(QDoubleValidator::ScientificNotation);
  field->setValidator(validator);
  ShowNumber(field, value);
  return field;
}

QLineEdit* IntegerField(int32_t value, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  auto* validator = new QIntValidator(field);
  validator->setLocale(QLocale::c());
  field->setValidator(validator);
  field->setText(QLocale::c().toString(value));
  return field;
}

namespace {

bool Refuse(QLineEdit* field, const std::string& label) {
  ShowMessage(NotANumberMessage(label));
  field->setFocus();
  field->selectAll();
  return false;
}

}  // namespace

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

void FillCombo(QComboBox* combo, const std::vector<std::string>& entries, const std::string& text) {
  combo->clear();
  for (const std::string& entry : entries) combo->addItem(QText(entry));
  const int index = combo->findText(QText(text), Qt::MatchExactly);
  if (index >= 0)
    combo->setCurrentIndex(index);
  else if (combo->isEditable())
    combo->setEditText(QText(text));
  else
    combo->setCurrentIndex(-1);
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

void SetTabOrder(const std::vector<QWidget*>& widgets) {
  QWidget* previous = nullptr;
  for (QWidget* widget : widgets) {
    if (!widget) continue;
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace tq::app
