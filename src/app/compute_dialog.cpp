// "Compute Function for all elements".
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/dialog_window.h"
#include "app/form_controls.h"
#include "commands/compute_dialog.h"

namespace tq::app {

namespace {

class ComputeDialog final : public FormDialog {
 public:
  ComputeDialog(ComputeForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent),
        form_(form),
        source_(new QComboBox(this)),
        function_(new QComboBox(this)),
        output_(new QComboBox(this)) {
    output_->setEditable(true);
    output_->setInsertPolicy(QComboBox::NoInsert);
    for (QComboBox* list : {source_, function_, output_})
      list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    SetMinimumWidthInCharacters(this, 64);
    QBoxLayout* buttons = ButtonLayout();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StaticText(QString::fromLatin1(ComputeForm::kHeading)));
    layout->addWidget(BuddyLabel(QText(form.source.label), source_));
    layout->addWidget(source_);
    layout->addWidget(StaticText(QString::fromLatin1(ComputeForm::kIndexNote)));
    layout->addWidget(BuddyLabel(QText(form.function.label), function_));
    layout->addLayout(ListWithButtons(function_, buttons,
                                      {Button(ComputeForm::kNew), Button(ComputeForm::kEdit)}));
    layout->addWidget(BuddyLabel(QText(form.output.label), output_));
    layout->addWidget(output_);
    layout->addStretch();
    layout->addLayout(buttons);
    SetTabOrder({source_, function_, Button(ComputeForm::kNew), Button(ComputeForm::kEdit), output_,
                 Button(kOkButton), Button(kCancelButton)});
    FillCombo(source_, form.source.entries, form.source.text);
    FillCombo(output_, form.output.entries, form.output.text);
    FormChanged();
    source_->setFocus();
  }

 protected:
  bool ReadControls() override {
    form_.source.text = source_->currentText().toStdString();
    form_.function.text = function_->currentText().toStdString();
    form_.output.text = output_->currentText().toStdString();
    return true;
  }
  // New or Edit refilled the function list.
  void FormChanged() override { FillCombo(function_, form_.function.entries, form_.function.text); }

 private:
  ComputeForm& form_;
  QComboBox* source_;
  QComboBox* function_;
  QComboBox* output_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(ComputeForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ComputeDialog>(form, dialog, parent);
}

}  // namespace tq::app
