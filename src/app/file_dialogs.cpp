// The shell's own dialog windows: the file dialogs and the Execute pop-up.
#include <QCursor>
#include <QFileDialog>
#include <QMenu>
#include <QStringList>

#include "app/dialog_window.h"
#include "commands/file_forms.h"
#include "commands/language_forms.h"

namespace tq::app {

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||" as Qt's name filters;
// "*.*" matches every file, with or without a dot, as users expect.
QStringList QtNameFilters(const std::string& filter) {
  QStringList filters;
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString label = parts[i];
    const QString pattern = parts[i + 1] == QLatin1String("*.*") ? QStringLiteral("*")
                                                                  : parts[i + 1];
    const qsizetype open = label.indexOf(QLatin1Char('('));
    if (open >= 0) label = label.left(open).trimmed();
    filters << QStringLiteral("%1 (%2)").arg(label, QString(pattern).replace(';', ' '));
  }
  return filters;
}

namespace {

class FileNameDialog final : public DialogWindow {
 public:
  FileNameDialog(FileNameForm& form, Dialog& dialog, QWidget* parent)
      : form_(form), dialog_(dialog), fileDialog_(parent, QString::fromStdString(form.title)) {
    fileDialog_.setAcceptMode(form.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fileDialog_.setFileMode(form.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    fileDialog_.setNameFilters(QtNameFilters(form.filter));
    fileDialog_.setDefaultSuffix(QString::fromStdString(form.defaultExtension));
    fileDialog_.setOption(QFileDialog::DontConfirmOverwrite, !form.promptOverwrite);
    if (!form.path.empty()) fileDialog_.selectFile(QString::fromStdString(form.path));
  }

  DialogResult Run() override {
    for (;;) {
      if (fileDialog_.exec() != QDialog::Accepted || fileDialog_.selectedFiles().isEmpty())
        return DialogResult::kCancelled;
      form_.path = fileDialog_.selectedFiles().front().toStdString();
      const DialogResult result = dialog_.Apply(kOkButton);
      if (result != DialogResult::kStayOpen) return result;
    }
  }

 private:
  FileNameForm& form_;
  Dialog& dialog_;
  QFileDialog fileDialog_;
};

// The Execute pop-up: one item per function, at the mouse pointer.
class ExecuteMenu final : public DialogWindow {
 public:
  ExecuteMenu(ExecuteMenuForm& form, Dialog& dialog, QWidget* parent)
      : form_(form), dialog_(dialog), menu_(parent) {
    for (size_t i = 0; i < form.items.size(); ++i)
      menu_.addAction(QString::fromStdString(form.items[i]))->setData(int(i));
  }

  DialogResult Run() override {
    QAction* chosen = menu_.exec(QCursor::pos());
    if (!chosen) return DialogResult::kCancelled;
    form_.chosen = chosen->data().toInt();
    const DialogResult result = dialog_.Apply(kOkButton);
    return result == DialogResult::kStayOpen ? DialogResult::kCancelled : result;
  }

 private:
  ExecuteMenuForm& form_;
  Dialog& dialog_;
  QMenu menu_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(FileNameForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<FileNameDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(ExecuteMenuForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ExecuteMenu>(form, dialog, parent);
}

}  // namespace tq::app
