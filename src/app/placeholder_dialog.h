// A form's dialog before its own window exists: the form's title and
// buttons, its fields left as the command filled them.
#pragma once

#include <QVBoxLayout>

#include "app/dialog_window.h"

namespace tq::app {

class PlaceholderDialog final : public FormDialog {
 public:
  PlaceholderDialog(Dialog& dialog, QWidget* parent) : FormDialog(dialog, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ButtonLayout());
  }
};

#define TQ_PLACEHOLDER_DIALOG(F)                                                      \
  std::unique_ptr<DialogWindow> MakeDialogWindow(F&, Dialog& dialog, QWidget* parent) { \
    return std::make_unique<PlaceholderDialog>(dialog, parent);                         \
  }

}  // namespace tq::app
