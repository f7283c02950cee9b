// The value editors "Edit values in matrix" and "Edit values in vector": the
// grid over the object's own values and the Close button.
#include <QBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QPushButton>

#include "app/dialog_window.h"
#include "app/value_grid.h"
#include "commands/value_editor.h"

namespace tq::app {

namespace {

class ValueEditorDialog final : public FormDialog {
 public:
  ValueEditorDialog(ValueEditorForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent) {
    setObjectName(QStringLiteral("ValueEditor"));
    setSizeGripEnabled(true);
    grid_ = new ValueGrid(form, this);
    auto* layout = new QVBoxLayout(this);
    const int margin = fontMetrics().averageCharWidth();
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(grid_->frame(), 1);
    // "Close" sits at the left under the grid.
    QBoxLayout* buttons = ButtonLayout();
    delete buttons->takeAt(0);
    buttons->addStretch();
    layout->addLayout(buttons);
    resize(InitialSize(form));
    grid_->setFocus();
  }

 protected:
  bool ReadControls() override {
    grid_->FinishEdit();
    return true;
  }

  void done(int result) override {
    grid_->FinishEdit();
    FormDialog::done(result);
  }

 private:
  // Room for a few columns and a screenful of rows.
  QSize InitialSize(const ValueEditorForm& form) const {
    const int columns = form.object->kind == KIND_MATRIX ? 4 : 1;
    const int width = grid_->horizontalHeader()->sectionSize(0) +
                      columns * grid_->horizontalHeader()->defaultSectionSize() +
                      grid_->rowScrollBar()->sizeHint().width() + 4 * fontMetrics().averageCharWidth();
    const int height = fontMetrics().height() * 28;
    return {width, height};
  }

  ValueGrid* grid_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(ValueEditorForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ValueEditorDialog>(form, dialog, parent);
}

}  // namespace tq::app
