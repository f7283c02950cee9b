// The object, arithmetic and linear-algebra dialogs.
#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "app/dialog_window.h"
#include "app/form_controls.h"
#include "commands/forms.h"

namespace tq::app {

namespace {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// "Create Matrix or Vector": the kind, the sizes of that kind, the
// initialization value and the name.
class CreateObjectDialog final : public FormDialog {
 public:
  CreateObjectDialog(CreateObjectForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form) {
    auto* kinds = new QHBoxLayout;
    for (int kind = 0; kind < 2; ++kind) {
      auto* button =
          new QRadioButton(QString::fromUtf8(CreateObjectForm::kKindChoices[kind]), this);
      kindGroup_.addButton(button, kind);
      kinds->addWidget(button);
    }
    kinds->addStretch();
    kindGroup_.button(int(form.kind))->setChecked(true);

    fields_ = new QFormLayout;
    columns_ = AddField(CreateObjectForm::kColumnsLabel, SizeText(form.columns), true);
    rows_ = AddField(CreateObjectForm::kRowsLabel, SizeText(form.rows), true);
    elements_ = AddField(CreateObjectForm::kElementsLabel, SizeText(form.elements), true);
    initial_ = AddField(CreateObjectForm::kInitialLabel, QString::number(form.initial, 'g', 17),
                        false);
    auto* numberValidator = new QDoubleValidator(initial_);
    numberValidator->setLocale(QLocale::c());
    initial_->setValidator(numberValidator);
    name_ = AddField(CreateObjectForm::kNameLabel, ToQString(form.name), false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addLayout(fields_);
    layout->addLayout(ButtonLayout());
    connect(&kindGroup_, &QButtonGroup::idToggled, this, [this](int, bool) { ShowKindFields(); });
    ShowKindFields();
  }

 protected:
  bool ReadControls() override {
    const bool matrix = kindGroup_.checkedId() == int(CreateObjectForm::Kind::kMatrix);
    form_.kind = matrix ? CreateObjectForm::Kind::kMatrix : CreateObjectForm::Kind::kVector;
    if (matrix ? !ReadSize(*columns_, form_.columns) || !ReadSize(*rows_, form_.rows)
               : !ReadSize(*elements_, form_.elements))
      return false;
    if (!ReadNumber(initial_, CreateObjectForm::kInitialLabel, form_.initial)) return false;
    form_.name = name_->text().toStdString();
    return true;
  }

 private:
  static QString SizeText(int32_t size) { return QString::number(size); }

  QLineEdit* AddField(const char* label, const QString& text, bool size) {
    auto* edit = new QLineEdit(text, this);
    if (size) {
      // Digits only, a few more than the largest size: the range is the
      // command's check.
      edit->setValidator(
          new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), edit));
    }
    fields_->addRow(BuddyLabel(QText(label), edit), edit);
    return edit;
  }

  // A size field's integer; the range message when it holds none.
  bool ReadSize(QLineEdit& edit, int32_t& size) {
    bool integer = false;
    const int value = edit.text().trimmed().toInt(&integer);
    if (!integer) {
      ShowMessage(CreateObjectForm::kRangeMessage);
      edit.setFocus();
      return false;
    }
    size = value;
    return true;
  }

  void ShowKindFields() {
    const bool matrix = kindGroup_.checkedId() == int(CreateObjectForm::Kind::kMatrix);
    fields_->setRowVisible(columns_, matrix);
    fields_->setRowVisible(rows_, matrix);
    fields_->setRowVisible(elements_, !matrix);
    adjustSize();
  }

  CreateObjectForm& form_;
  QButtonGroup kindGroup_;
  QFormLayout* fields_;
  QLineEdit* columns_;
  QLineEdit* rows_;
  QLineEdit* elements_;
  QLineEdit* initial_;
  QLineEdit* name_;
};

// One list of objects (Delete, Display, Edit, Import, Export and the
// regression's X(i)): the prompt, the list and the action button.
class ObjectChoiceDialog final : public FormDialog {
 public:
  ObjectChoiceDialog(ObjectChoiceForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form), list_(new QListWidget(this)) {
    list_->setSelectionMode(form.multipleSelection ? QAbstractItemView::ExtendedSelection
                                                   : QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() * 36);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuddyLabel(QText(form.prompt), list_));
    layout->addWidget(list_, 1);
    layout->addLayout(ButtonLayout());
    FormChanged();
  }

 protected:
  bool ReadControls() override {
    form_.selected.clear();
    for (int row = 0; row < list_->count(); ++row)
      if (list_->item(row)->isSelected()) form_.selected.push_back(size_t(row));
    return true;
  }

  void FormChanged() override {
    list_->clear();
    for (const std::string& entry : form_.entries) list_->addItem(ToQString(entry));
    for (size_t index : form_.selected)
      if (index < form_.entries.size()) list_->item(int(index))->setSelected(true);
  }

 private:
  ObjectChoiceForm& form_;
  QListWidget* list_;
};

// The operation dialogs: an explanation when the form has one, a labelled
// drop-down list per source, the editable output list, the action button.
class OperationDialog final : public FormDialog {
 public:
  OperationDialog(OperationForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form) {
    SetMinimumWidthInCharacters(this, 64);
    auto* layout = new QVBoxLayout(this);
    if (!form.explanation.empty()) layout->addWidget(StaticText(QText(form.explanation)));
    for (const NameList& source : form.sources) {
      QComboBox* box = NameListBox(source, false);
      AddLabelled(*layout, BuddyLabel(QText(source.label), box), box);
      sources_.append(box);
    }
    output_ = NameListBox(form.output, true);
    AddLabelled(*layout, BuddyLabel(QText(form.output.label), output_), output_);
    layout->addLayout(ButtonLayout());
    FitHeightToWidth(*this);
  }

 protected:
  bool ReadControls() override {
    for (qsizetype i = 0; i < sources_.size(); ++i)
      form_.sources[size_t(i)].text = sources_[i]->currentText().toStdString();
    form_.output.text = output_->currentText().toStdString();
    return true;
  }

  void FormChanged() override {
    for (qsizetype i = 0; i < sources_.size(); ++i)
      FillCombo(sources_[i], form_.sources[size_t(i)].entries, form_.sources[size_t(i)].text);
    FillCombo(output_, form_.output.entries, form_.output.text);
  }

 private:
  // A list under its label, set apart from the one above.
  static void AddLabelled(QVBoxLayout& layout, QLabel* label, QComboBox* box) {
    layout.addSpacing(label->fontMetrics().height() / 2);
    layout.addWidget(label);
    layout.addWidget(box);
  }

  OperationForm& form_;
  QList<QComboBox*> sources_;
  QComboBox* output_ = nullptr;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(CreateObjectForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<CreateObjectDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(ObjectChoiceForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ObjectChoiceDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(OperationForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<OperationDialog>(form, dialog, parent);
}

}  // namespace tq::app
