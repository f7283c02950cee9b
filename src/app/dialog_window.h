// How the desktop program shows a command's dialog: each form kind has a
// window class (a QDialog, a file dialog, a pop-up menu) made by one
// factory per form, declared here for every form so that a missing one
// fails to link. The window calls the command's Apply for each button and
// closes only when Apply says so.
#pragma once

#include <QDialog>
#include <QList>
#include <memory>

#include "commands/form_visitor.h"
#include "core/ui_port.h"

class QPushButton;
class QBoxLayout;

namespace tq::app {

class DialogWindow {
 public:
  virtual ~DialogWindow() = default;
  // Shows the window modally until the command closes it or the user
  // cancels; returns kClose or kCancelled.
  virtual DialogResult Run() = 0;
};

#define TQ_DECLARE_DIALOG_FACTORY(F) \
  std::unique_ptr<DialogWindow> MakeDialogWindow(F& form, Dialog& dialog, QWidget* parent);
TQ_FORMS(TQ_DECLARE_DIALOG_FACTORY)
#undef TQ_DECLARE_DIALOG_FACTORY

// The window for the dialog's form kind, parented to `parent`.
std::unique_ptr<DialogWindow> MakeDialogWindow(Dialog& dialog, QWidget* parent);

// A modal QDialog for a form: the form's title, its buttons in the form's
// order (the default one pressed by Enter, Cancel and Escape ending the
// dialog), and the loop of the dialog pattern.
class FormDialog : public QDialog, public DialogWindow {
  Q_OBJECT

 public:
  FormDialog(Dialog& dialog, QWidget* parent);
  DialogResult Run() override;

 protected:
  // Copies the controls into the form before a button's action; false
  // when a field was refused (its message shown), and the dialog stays.
  virtual bool ReadControls() { return true; }
  // The action changed the form while the dialog stays open (a list
  // refilled, a new selection): show it.
  virtual void FormChanged() {}

  // The form's buttons in a row (horizontal) or column (vertical), made
  // once; place the layout where the dialog's design wants it.
  QBoxLayout* ButtonLayout(Qt::Orientation orientation = Qt::Horizontal);
  QPushButton* Button(ButtonId id) const;
  Form& form() { return dialog_.form(); }
  // Presses button `id` as the user would.
  void Press(ButtonId id);

 private:
  void reject() override;

  Dialog& dialog_;
  QList<QPushButton*> buttons_;
  DialogResult result_ = DialogResult::kCancelled;
  // The action of a button that hid the dialog kept it open: show it again
  // with the same controls.
  bool reappear_ = false;
};

}  // namespace tq::app
