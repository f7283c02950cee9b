#include <QApplication>
#include <QBoxLayout>
#include <QPushButton>

#include "app/dialog_window.h"

namespace tq::app {

FormDialog::FormDialog(Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
  setWindowTitle(QString::fromStdString(dialog.form().title));
  setModal(true);
}

QBoxLayout* FormDialog::ButtonLayout(Qt::Orientation orientation) {
  auto* layout = new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight
                                                              : QBoxLayout::TopToBottom);
  if (orientation == Qt::Horizontal) layout->addStretch();
  for (const FormButton& formButton : form().buttons) {
    auto* button = new QPushButton(QString::fromStdString(formButton.text), this);
    button->setProperty("buttonId", formButton.id);
    button->setAutoDefault(false);
    if (formButton.id == form().defaultButton) button->setDefault(true);
    const ButtonId id = formButton.id;
    connect(button, &QPushButton::clicked, this, [this, id] { Press(id); });
    layout->addWidget(button);
    buttons_.append(button);
  }
  if (orientation == Qt::Vertical) layout->addStretch();
  return layout;
}

QPushButton* FormDialog::Button(ButtonId id) const {
  for (QPushButton* button : buttons_)
    if (button->property("buttonId").toInt() == id) return button;
  return nullptr;
}

void FormDialog::Press(ButtonId id) {
  if (id == kCancelButton) {
    reject();
    return;
  }
  if (!ReadControls()) return;
  // Hiding a dialog ends its exec(); Run() shows it again when the action
  // keeps it open.
  const bool hidden = form().HidesWhileActing(id);
  if (hidden) hide();
  switch (dialog_.Apply(id)) {
    case DialogResult::kClose:
      result_ = DialogResult::kClose;
      done(QDialog::Accepted);
      break;
    case DialogResult::kCancelled:
      result_ = DialogResult::kCancelled;
      done(QDialog::Rejected);
      break;
    case DialogResult::kStayOpen:
      FormChanged();
      reappear_ = hidden;
      break;
  }
}

void FormDialog::reject() {
  result_ = DialogResult::kCancelled;
  QDialog::reject();
}

DialogResult FormDialog::Run() {
  result_ = DialogResult::kCancelled;
  do {
    reappear_ = false;
    exec();
  } while (reappear_);
  return result_;
}

namespace {

class DialogMaker final : public FormVisitor {
 public:
  DialogMaker(Dialog& dialog, QWidget* parent) : dialog_(dialog), parent_(parent) {}
#define TQ_MAKE_DIALOG(F) \
  void Visit(F& form) override { window = MakeDialogWindow(form, dialog_, parent_); }
  TQ_FORMS(TQ_MAKE_DIALOG)
#undef TQ_MAKE_DIALOG
  std::unique_ptr<DialogWindow> window;

 private:
  Dialog& dialog_;
  QWidget* parent_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(Dialog& dialog, QWidget* parent) {
  DialogMaker maker(dialog, parent);
  dialog.form().Accept(maker);
  return std::move(maker.window);
}

}  // namespace tq::app
