// A running program's "Program message" and "Program input" dialogs.
#include <QBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "app/dialog_window.h"
#include "app/form_controls.h"
#include "commands/language_forms.h"

namespace tq::app {

namespace {

// Program text ends its lines with "\r\n".
QString ProgramText(const std::string& text) {
  return QText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

class ProgramMessageDialog final : public FormDialog {
 public:
  ProgramMessageDialog(ProgramMessageForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent) {
    QLabel* text = StaticText(ProgramText(form.text));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long text scrolls inside a dialog that fits on the screen.
    auto* area = new QScrollArea(this);
    area->setWidget(text);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    const QFontMetrics metrics(text->font());
    const QSize wanted = text->sizeHint();
    area->setMinimumSize(
        std::min(wanted.width(), metrics.averageCharWidth() * 80) +
            area->verticalScrollBar()->sizeHint().width(),
        std::min(wanted.height(), metrics.height() * 20));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area, 1);
    layout->addLayout(ButtonLayout());
    SetMinimumWidthInCharacters(this, 40);
  }
};

// Up to four numbers, each under its label, and the prompt.
class ProgramInputDialog final : public FormDialog {
 public:
  ProgramInputDialog(ProgramInputForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->setRowWrapPolicy(QFormLayout::WrapLongRows);
    const int count = std::min(form.fieldCount, int(ProgramInputForm::kMaxFields));
    for (int i = 0; i < count; ++i) {
      fields_[i] = NumberField(form.values[i]);
      fields->addRow(BuddyLabel(ProgramText(form.labels[i]), fields_[i]), fields_[i]);
    }
    layout->addLayout(fields);
    if (!form.prompt.empty()) layout->addWidget(StaticText(ProgramText(form.prompt)));
    layout->addLayout(ButtonLayout());
    SetMinimumWidthInCharacters(this, 40);
    if (fields_[0]) {
      fields_[0]->setFocus();
      fields_[0]->selectAll();
    }
  }

 protected:
  bool ReadControls() override {
    for (int i = 0; i < ProgramInputForm::kMaxFields; ++i)
      if (fields_[i] && !ReadNumber(fields_[i], form_.labels[i], form_.values[i])) return false;
    return true;
  }

 private:
  ProgramInputForm& form_;
  QLineEdit* fields_[ProgramInputForm::kMaxFields] = {};
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(ProgramMessageForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ProgramMessageDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(ProgramInputForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ProgramInputDialog>(form, dialog, parent);
}

}  // namespace tq::app
