// The search and integral dialogs and the search's output options.
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialog_window.h"
#include "app/form_controls.h"
#include "commands/search_commands.h"

namespace tq::app {

namespace {

QString Latin(const char* text) { return QString::fromLatin1(text); }

// The function list with "New" and "Edit", then the numeric fields, then
// OK and Cancel: the frame of the search and integral dialogs.
class FunctionFieldsDialog : public FormDialog {
 protected:
  FunctionFieldsDialog(Dialog& dialog, QWidget* parent, const char* functionLabel)
      : FormDialog(dialog, parent), function_(new QComboBox(this)), fields_(new QFormLayout) {
    function_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    SetMinimumWidthInCharacters(function_, 24);
    buttons_ = ButtonLayout();
    fields_->addRow(BuddyLabel(Latin(functionLabel), function_),
                    ListWithButtons(function_, buttons_,
                                    {Button(kNewFunction), Button(kEditFunction)}));
  }
  QLineEdit* AddNumber(const char* label, double value) {
    return AddRow(label, NumberField(value));
  }
  QLineEdit* AddInteger(const char* label, int32_t value) {
    return AddRow(label, IntegerField(value));
  }
  // Lays the dialog out once its fields are added.
  void Finish() {
    std::vector<QWidget*> order{function_, Button(kNewFunction), Button(kEditFunction)};
    order.insert(order.end(), fields.begin(), fields.end());
    order.push_back(Button(kOkButton));
    order.push_back(Button(kCancelButton));
    SetTabOrder(order);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields_);
    layout->addLayout(buttons_);
    function_->setFocus();
  }
  QComboBox* function_;

 private:
  QLineEdit* AddRow(const char* label, QLineEdit* field) {
    fields_->addRow(BuddyLabel(Latin(label), field), field);
    fields.push_back(field);
    return field;
  }
  std::vector<QWidget*> fields;
  QFormLayout* fields_;
  QBoxLayout* buttons_;
};

class SearchDialog final : public FunctionFieldsDialog {
 public:
  SearchDialog(SearchForm& form, Dialog& dialog, QWidget* parent)
      : FunctionFieldsDialog(dialog, parent, SearchForm::kFunctionLabel), form_(form) {
    lower_ = AddNumber(SearchForm::kLowerLabel, form.lower);
    upper_ = AddNumber(SearchForm::kUpperLabel, form.upper);
    intervals_ = AddInteger(SearchForm::kIntervalsLabel, form.intervals);
    tolerance_ = AddNumber(SearchForm::kToleranceLabel, form.tolerance);
    iterations_ = AddInteger(SearchForm::kIterationsLabel, form.maxIterations);
    Finish();
    FormChanged();
  }

 protected:
  bool ReadControls() override {
    form_.function = function_->currentText().toStdString();
    return ReadNumber(lower_, SearchForm::kLowerLabel, form_.lower) &&
           ReadNumber(upper_, SearchForm::kUpperLabel, form_.upper) &&
           ReadInteger(intervals_, SearchForm::kIntervalsLabel, form_.intervals) &&
           ReadNumber(tolerance_, SearchForm::kToleranceLabel, form_.tolerance) &&
           ReadInteger(iterations_, SearchForm::kIterationsLabel, form_.maxIterations);
  }
  void FormChanged() override { FillCombo(function_, form_.functions, form_.function); }

 private:
  SearchForm& form_;
  QLineEdit* lower_;
  QLineEdit* upper_;
  QLineEdit* intervals_;
  QLineEdit* tolerance_;
  QLineEdit* iterations_;
};

class IntegralDialog final : public FunctionFieldsDialog {
 public:
  IntegralDialog(IntegralForm& form, Dialog& dialog, QWidget* parent)
      : FunctionFieldsDialog(dialog, parent, IntegralForm::kFunctionLabel), form_(form) {
    lower_ = AddNumber(IntegralForm::kLowerLabel, form.lower);
    upper_ = AddNumber(IntegralForm::kUpperLabel, form.upper);
    absTolerance_ = AddNumber(IntegralForm::kAbsToleranceLabel, form.absTolerance);
    relTolerance_ = AddNumber(IntegralForm::kRelToleranceLabel, form.relTolerance);
    Finish();
    FormChanged();
  }

 protected:
  bool ReadControls() override {
    form_.function = function_->currentText().toStdString();
    return ReadNumber(lower_, IntegralForm::kLowerLabel, form_.lower) &&
           ReadNumber(upper_, IntegralForm::kUpperLabel, form_.upper) &&
           ReadNumber(absTolerance_, IntegralForm::kAbsToleranceLabel, form_.absTolerance) &&
           ReadNumber(relTolerance_, IntegralForm::kRelToleranceLabel, form_.relTolerance);
  }
  void FormChanged() override { FillCombo(function_, form_.functions, form_.function); }

 private:
  IntegralForm& form_;
  QLineEdit* lower_;
  QLineEdit* upper_;
  QLineEdit* absTolerance_;
  QLineEdit* relTolerance_;
};

// "Output options": the check box enables the two name lists and their labels.
class OutputOptionsDialog final : public FormDialog {
 public:
  OutputOptionsDialog(OutputOptionsForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent),
        form_(form),
        save_(new QCheckBox(Latin(OutputOptionsForm::kSaveLabel), this)),
        points_(new QComboBox(this)),
        values_(new QComboBox(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(save_);
    QLabel* labels[2];
    QComboBox* lists[2] = {points_, values_};
    const char* texts[2] = {OutputOptionsForm::kPointsLabel, OutputOptionsForm::kValuesLabel};
    const std::string* names[2] = {&form.pointsName, &form.valuesName};
    for (int i = 0; i < 2; ++i) {
      lists[i]->setEditable(true);
      lists[i]->setInsertPolicy(QComboBox::NoInsert);
      labels[i] = BuddyLabel(Latin(texts[i]), lists[i]);
      layout->addWidget(labels[i]);
      layout->addWidget(lists[i]);
      FillCombo(lists[i], form.vectors, *names[i]);
      connect(save_, &QCheckBox::toggled, lists[i], &QWidget::setEnabled);
      connect(save_, &QCheckBox::toggled, labels[i], &QWidget::setEnabled);
    }
    SetMinimumWidthInCharacters(this, 48);
    save_->setChecked(true);
    save_->setChecked(form.save);
    layout->addLayout(ButtonLayout());
  }

 protected:
  bool ReadControls() override {
    form_.save = save_->isChecked();
    form_.pointsName = points_->currentText().toStdString();
    form_.valuesName = values_->currentText().toStdString();
    return true;
  }

 private:
  OutputOptionsForm& form_;
  QCheckBox* save_;
  QComboBox* points_;
  QComboBox* values_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(SearchForm& form, Dialog& dialog, QWidget* parent) {
  return std::make_unique<SearchDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(IntegralForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<IntegralDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(OutputOptionsForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<OutputOptionsDialog>(form, dialog, parent);
}

}  // namespace tq::app
