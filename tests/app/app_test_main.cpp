// The desktop tests' main: a QApplication on the offscreen platform (unless
// the environment names another), settings in a fresh directory.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tallyquist"));
  QApplication::setApplicationName(QStringLiteral("Tallyquist"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
