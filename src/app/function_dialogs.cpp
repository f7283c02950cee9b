// The dialogs of functions and variables: the two lists and the dialogs that
// create and edit their entries.
#include <QBoxLayout>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/dialog_window.h"
#include "app/form_controls.h"
#include "commands/language_forms.h"

namespace tq::app {

namespace {

// "Functions and programs" and "Variables": a list with several entries
// selectable, the buttons in a column beside it.
template <class F>
class SelectionListDialog final : public FormDialog {
 public:
  SelectionListDialog(F& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form), list_(new QListWidget(this)) {
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    const QFontMetrics metrics(list_->font());
    list_->setMinimumSize(metrics.averageCharWidth() * 40, metrics.height() * 12);
    auto* column = new QVBoxLayout;
    column->addWidget(BuddyLabel(QString::fromLatin1(F::kListLabel), list_));
    column->addWidget(list_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addLayout(ButtonLayout(Qt::Vertical));
    FormChanged();
  }

 protected:
  bool ReadControls() override {
    form_.selected = SelectedRows(list_);
    return true;
  }
  void FormChanged() override { FillList(list_, form_.entries, form_.selected); }

 private:
  F& form_;
  QListWidget* list_;
};

// "Edit function": the name (fixed when editing), the description and the body.
class FunctionEditDialog final : public FormDialog {
 public:
  FunctionEditDialog(FunctionEditForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent),
        form_(form),
        name_(new QLineEdit(QText(form.name), this)),
        description_(new QLineEdit(QText(form.description), this)),
        body_(new QPlainTextEdit(QText(form.body), this)) {
    name_->setReadOnly(!form.creating);
    body_->setTabChangesFocus(true);
    body_->setLineWrapMode(QPlainTextEdit::NoWrap);
    body_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(body_->font());
    body_->setMinimumSize(metrics.averageCharWidth() * 60, metrics.height() * 12);
    auto* fields = new QFormLayout;
    fields->addRow(BuddyLabel(QString::fromLatin1(FunctionEditForm::kNameLabel), name_), name_);
    fields->addRow(
        BuddyLabel(QString::fromLatin1(FunctionEditForm::kDescriptionLabel), description_),
        description_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    QLabel* bodyText = BuddyLabel(QString::fromLatin1(FunctionEditForm::kBodyText), body_);
    bodyText->setWordWrap(false);  // its lines are broken already
    layout->addWidget(bodyText);
    layout->addWidget(body_, 1);
    layout->addLayout(ButtonLayout());
    (form.creating ? static_cast<QWidget*>(name_) : body_)->setFocus();
  }

 protected:
  bool ReadControls() override {
    form_.name = name_->text().toStdString();
    form_.description = description_->text().toStdString();
    form_.body = body_->toPlainText().toStdString();
    return true;
  }

 private:
  FunctionEditForm& form_;
  QLineEdit* name_;
  QLineEdit* description_;
  QPlainTextEdit* body_;
};

// "Create new varaible": a name and an initial value.
class CreateVariableDialog final : public FormDialog {
 public:
  CreateVariableDialog(CreateVariableForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent),
        form_(form),
        name_(new QLineEdit(QText(form.name), this)),
        value_(NumberField(form.initial)) {
    auto* fields = new QFormLayout;
    fields->addRow(BuddyLabel(QString::fromLatin1(CreateVariableForm::kNameLabel), name_), name_);
    fields->addRow(BuddyLabel(QString::fromLatin1(CreateVariableForm::kValueLabel), value_),
                   value_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(ButtonLayout());
    SetMinimumWidthInCharacters(this, 44);
  }

 protected:
  bool ReadControls() override {
    if (!ReadNumber(value_, CreateVariableForm::kValueLabel, form_.initial)) return false;
    form_.name = name_->text().toStdString();  // taken as typed
    return true;
  }

 private:
  CreateVariableForm& form_;
  QLineEdit* name_;
  QLineEdit* value_;
};

// "Edit variable": the name shown, the value edited.
class EditVariableDialog final : public FormDialog {
 public:
  EditVariableDialog(EditVariableForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form), value_(NumberField(form.value)) {
    auto* name = new QLineEdit(QText(form.name), this);
    name->setReadOnly(true);
    auto* fields = new QFormLayout;
    fields->addRow(BuddyLabel(QString::fromLatin1(EditVariableForm::kNameLabel), name), name);
    fields->addRow(BuddyLabel(QString::fromLatin1(EditVariableForm::kValueLabel), value_),
                   value_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(ButtonLayout());
    SetMinimumWidthInCharacters(this, 44);
    value_->setFocus();
    value_->selectAll();
  }

 protected:
  bool ReadControls() override {
    return ReadNumber(value_, EditVariableForm::kValueLabel, form_.value);
  }

 private:
  EditVariableForm& form_;
  QLineEdit* value_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(FunctionsForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<SelectionListDialog<FunctionsForm>>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(VariablesForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<SelectionListDialog<VariablesForm>>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(FunctionEditForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<FunctionEditDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(CreateVariableForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<CreateVariableDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(EditVariableForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<EditVariableDialog>(form, dialog, parent);
}

}  // namespace tq::app
