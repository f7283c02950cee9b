// The unit conversion dialogs: the chooser of the two units and the
// converter.
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "app/dialog_window.h"
#include "app/form_controls.h"
#include "commands/unit_conversion.h"

namespace tq::app {

namespace {

class UnitChooserDialog final : public FormDialog {
 public:
  UnitChooserDialog(UnitChooserForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form), from_(new QComboBox(this)), to_(new QComboBox(this)) {
    auto* fields = new QFormLayout;
    QComboBox* lists[2] = {from_, to_};
    const char* labels[2] = {UnitChooserForm::kFromLabel, UnitChooserForm::kToLabel};
    const int chosen[2] = {form.from, form.to};
    for (int i = 0; i < 2; ++i) {
      for (const std::string& unit : form.units) lists[i]->addItem(QText(unit));
      lists[i]->setCurrentIndex(chosen[i] < lists[i]->count() ? chosen[i] : -1);
      fields->addRow(BuddyLabel(QString::fromLatin1(labels[i]), lists[i]), lists[i]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(ButtonLayout());
    SetMinimumWidthInCharacters(this, 44);  // the title shows whole
  }

 protected:
  bool ReadControls() override {
    form_.from = from_->currentIndex();
    form_.to = to_->currentIndex();
    return true;
  }

 private:
  UnitChooserForm& form_;
  QComboBox* from_;
  QComboBox* to_;
};

// The "to" field shows results only: typing into it beeps.
class OutputOnlyFilter final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      const bool edits = !key->text().isEmpty() && key->text().at(0).isPrint();
      if (edits || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
        QApplication::beep();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

class UnitConverterDialog final : public FormDialog {
 public:
  UnitConverterDialog(UnitConverterForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent),
        form_(form),
        from_(NumberField(form.from)),
        to_(NumberField(form.to)) {
    FormChanged();
    to_->setReadOnly(true);
    to_->installEventFilter(new OutputOnlyFilter(to_));
    auto* fields = new QFormLayout;
    fields->setRowWrapPolicy(QFormLayout::WrapLongRows);
    fields->addRow(BuddyLabel(QText(form.fromLabel), from_), from_);
    fields->addRow(BuddyLabel(QText(form.toLabel), to_), to_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StaticText(QText(form.explanation)));
    layout->addLayout(fields);
    layout->addLayout(ButtonLayout());
    from_->setFocus();
    from_->selectAll();
  }

 protected:
  bool ReadControls() override { return ReadNumber(from_, form_.fromLabel, form_.from); }
  // A converted value shows with the fifteen significant digits a text
  // field has always shown a double with.
  void FormChanged() override {
    ShowNumber(from_, form_.from, 15);
    ShowNumber(to_, form_.to, 15);
  }

 private:
  UnitConverterForm& form_;
  QLineEdit* from_;
  QLineEdit* to_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(UnitChooserForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<UnitChooserDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(UnitConverterForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<UnitConverterDialog>(form, dialog, parent);
}

}  // namespace tq::app
