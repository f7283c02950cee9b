// The statistics options dialogs: the t-test's and chi-square test's
// options and the linear regression's output options.
#include <array>

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "app/dialog_window.h"
#include "app/form_controls.h"
#include "commands/statistics_forms.h"

namespace tq::app {

namespace {

// "Student's t-test options": the three types as radio buttons.
class TTestOptionsDialog final : public FormDialog {
 public:
  TTestOptionsDialog(TTestOptionsForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form) {
    SetMinimumWidthInCharacters(this, 64);
    auto* layout = new QVBoxLayout(this);
    int id = 0;
    for (const char* choice : TTestOptionsForm::kChoices) AddChoice(*layout, types_, choice, id++);
    if (QAbstractButton* chosen = types_.button(form.type)) chosen->setChecked(true);
    layout->addLayout(ButtonLayout());
    FitHeightToWidth(*this);
  }

 protected:
  bool ReadControls() override {
    form_.type = types_.checkedId();
    return true;
  }

 private:
  TTestOptionsForm& form_;
  QButtonGroup types_;
};

// "Chi-square test options": what the vectors hold, the number of
// constraints and the note about it.
class ChiSquareOptionsDialog final : public FormDialog {
 public:
  ChiSquareOptionsDialog(ChiSquareOptionsForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form) {
    SetMinimumWidthInCharacters(this, 64);
    auto* layout = new QVBoxLayout(this);
    int id = 0;
    for (const char* choice : ChiSquareOptionsForm::kChoices)
      AddChoice(*layout, types_, choice, id++);
    if (QAbstractButton* chosen = types_.button(form.type)) chosen->setChecked(true);

    constraints_ = new QComboBox(this);  // after the choices, in the tab order
    for (int32_t count = 0; count <= ChiSquareOptionsForm::kMaxConstraints; ++count)
      constraints_->addItem(QString::number(count));
    constraints_->setCurrentIndex(form.constraints);
    auto* constraintsRow = new QHBoxLayout;
    constraintsRow->addWidget(BuddyLabel(QText(ChiSquareOptionsForm::kConstraintsLabel), constraints_));
    constraintsRow->addWidget(constraints_);
    constraintsRow->addStretch();
    layout->addLayout(constraintsRow);

    layout->addWidget(StaticText(QText(ChiSquareOptionsForm::kNote)));
    layout->addLayout(ButtonLayout());
    FitHeightToWidth(*this);
  }

 protected:
  bool ReadControls() override {
    form_.type = types_.checkedId();
    form_.constraints = constraints_->currentIndex();
    return true;
  }

 private:
  ChiSquareOptionsForm& form_;
  QButtonGroup types_;
  QComboBox* constraints_ = nullptr;
};

// "Output options" of the regression: whether to save the extra objects,
// and their names; the names are enabled only while saving is chosen.
class RegressionOutputDialog final : public FormDialog {
 public:
  RegressionOutputDialog(RegressionOutputForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent),
        form_(form),
        save_(new QCheckBox(QString::fromUtf8(RegressionOutputForm::kSaveLabel), this)) {
    auto* layout = new QVBoxLayout(this);
    save_->setChecked(form.saveExtras);
    layout->addWidget(save_);
    for (NameList* list : Lists()) {
      QComboBox* box = NameListBox(*list, true);
      QLabel* label = BuddyLabel(QText(list->label), box);
      layout->addWidget(label);
      layout->addWidget(box);
      names_.append(box);
      labels_.append(label);
    }
    layout->addLayout(ButtonLayout());
    connect(save_, &QCheckBox::toggled, this, &RegressionOutputDialog::EnableNames);
    EnableNames(form.saveExtras);
  }

 protected:
  bool ReadControls() override {
    form_.saveExtras = save_->isChecked();
    const auto lists = Lists();
    for (size_t i = 0; i < lists.size(); ++i)
      lists[i]->text = names_[qsizetype(i)]->currentText().toStdString();
    return true;
  }

 private:
  std::array<NameList*, 3> Lists() {
    return {&form_.covariance, &form_.residuals, &form_.predictions};
  }

  void EnableNames(bool enabled) {
    for (QComboBox* box : names_) box->setEnabled(enabled);
    for (QLabel* label : labels_) label->setEnabled(enabled);
  }

  RegressionOutputForm& form_;
  QCheckBox* save_;
  QList<QComboBox*> names_;
  QList<QLabel*> labels_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(TTestOptionsForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<TTestOptionsDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(ChiSquareOptionsForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ChiSquareOptionsDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(RegressionOutputForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<RegressionOutputDialog>(form, dialog, parent);
}

}  // namespace tq::app
