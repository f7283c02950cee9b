#include "app/chart_fields.h"

#include <QDoubleValidator>
#include <QLocale>

#include "commands/chart_forms.h"
#include "core/ui_port.h"

namespace tq::app {

QLabel* FieldLabel(const std::string& text, QWidget* field) {
  auto* label = new QLabel(QString::fromStdString(text), field->parentWidget());
  label->setBuddy(field);
  field->setAccessibleName(label->text());
  return label;
}

NumberField::NumberField(double value, const std::string& label, QWidget* parent)
    : QLineEdit(parent), label_(label) {
  auto* validator = new QDoubleValidator(this);
  validator->setLocale(QLocale::c());
  validator->setNotation(QDoubleValidator::ScientificNotation);
  setValidator(validator);
  setText(QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest));
}

bool NumberField::Read(double& value) {
  bool ok = false;
  const double read = QLocale::c().toDouble(text().trimmed(), &ok);
  if (!ok) {
    ShowMessage(NotANumberMessage(label_));
    setFocus();
    selectAll();
    return false;
  }
  value = read;
  return true;
}

QComboBox* NameComboBox(const std::vector<std::string>& entries, const std::string& text,
                        QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& entry : entries) box->addItem(QString::fromStdString(entry));
  box->setCurrentText(QString::fromStdString(text));
  return box;
}

QComboBox* ChoiceComboBox(const std::vector<std::string>& choices, int current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const std::string& choice : choices) box->addItem(QString::fromStdString(choice));
  box->setCurrentIndex(current);
  return box;
}

}  // namespace tq::app
