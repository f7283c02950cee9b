// The output window: a plain-text editor the user may edit, to which every
// report line is appended under the window's length rules.
#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace tq::app {

class OutputWindow : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit OutputWindow(QWidget* parent = nullptr);

  // Appends one report line ("\r\n" line ends) at the end, whatever the
  // caret's position, dropping the oldest text when the window is full.
  void AppendReport(std::string_view line);
  // The text with "\r\n" line ends, as the length rules count it.
  const std::string& ReportText();
  void SetFixedWidthFont(bool fixed);

 private:
  // The text as the rules count it; rebuilt from the editor after the user
  // edits it.
  std::string text_;
  bool textStale_ = false;
  bool appending_ = false;
};

}  // namespace tq::app
