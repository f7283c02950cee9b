// tallyquist: the desktop program. An optional argument names a workspace
// file to open at start.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <csignal>

#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallyquist"));
  QApplication::setOrganizationName(QStringLiteral("Tallyquist"));
  QApplication::setApplicationVersion(QStringLiteral(TQ_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("tallyquist"));
  // Past a file size limit a write fails with its error, which the command
  // reports, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Tallyquist, a mathematics workbench."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("workspace"),
                               QStringLiteral("A workspace file (.mts) to open."),
                               QStringLiteral("[WORKSPACE.mts]"));
  parser.process(application);

  tq::app::MainWindow window;
  window.show();
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) {
    const QString path = files.front();
    QTimer::singleShot(0, &window, [&window, path] { window.OpenFile(path); });
  }
  return application.exec();
}
