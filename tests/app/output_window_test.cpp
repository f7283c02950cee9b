// The output window holds what the length rules keep, also after the user
// edits it, with the caret at the end after every report.
#include <QTest>
#include <QTextCursor>

#include "app/app_test.h"
#include "app/output_window.h"
#include "core/output_text.h"

namespace tq::app::testing {
namespace {

std::string WithoutReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

TEST_F(AppTest, WindowKeepsWhatTheLengthRulesKeepAcrossManyDrops) {
  OutputWindow& output = window->output();
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    const std::string line = "line " + std::to_string(i) + std::string(size_t(i % 70), '.') + "\r\n";
    output.AppendReport(line);
    AppendOutputText(expected, line);
  }
  EXPECT_EQ(output.ReportText(), expected);
  EXPECT_EQ(output.toPlainText().toStdString(), WithoutReturns(expected));
}

TEST_F(AppTest, ALineLongerThanAQuarterOfTheLimitIsCut) {
  std::string line(9000, 'x');
  line += "\r\n";
  window->output().AppendReport(line);
  EXPECT_EQ(window->output().ReportText(), std::string(kOutputTextLimit / 4, 'x'));
}

TEST_F(AppTest, UserEditsCountAndReportsGoToTheEndWhereverTheCaretIs) {
  OutputWindow& output = window->output();
  output.AppendReport("one\r\n");
  QTextCursor cursor = output.textCursor();
  cursor.setPosition(0);
  output.setTextCursor(cursor);
  QTest::keyClicks(&output, "typed ");
  output.AppendReport("two\r\n");
  EXPECT_EQ(output.ReportText(), "typed one\r\ntwo\r\n");
  EXPECT_EQ(output.textCursor().position(), output.toPlainText().size());
}

TEST_F(AppTest, UndoTakesBackTheUsersTypingNotTheReports) {
  OutputWindow& output = window->output();
  output.AppendReport("report\r\n");
  QTest::keyClicks(&output, "abc");
  output.undo();
  EXPECT_EQ(output.toPlainText(), "report\n");
}

}  // namespace
}  // namespace tq::app::testing
