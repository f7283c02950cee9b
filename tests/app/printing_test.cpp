// Printing the output window: to a PDF file, with no printer installed.
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include "app/app_test.h"
#include "core/ui_port.h"

namespace tq::app::testing {
namespace {

TEST_F(AppTest, PrintWritesTheOutputWindowToAPdfFile) {
  QTemporaryDir directory;
  const QString path = directory.filePath("output.pdf");
  Report("Workspace loaded from file");
  OnNextModal([path](QWidget* modal) {
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    // With no printer installed the dialog offers printing to a file; its
    // file name field names the PDF.
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(fileName, nullptr);
    fileName->setText(path);
    dialog->accept();
  });
  Run(ShellCommand::kFilePrint);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
}

}  // namespace
}  // namespace tq::app::testing
