#include "app/output_window.h"

#include <algorithm>

#include <QFontDatabase>
#include <QTextCursor>

#include "core/output_text.h"

namespace tq::app {

namespace {

// The editor keeps "\n" line ends; the rules count "\r\n".
std::string WithCarriageReturns(const QString& plain) {
  std::string text;
  const QByteArray utf8 = plain.toUtf8();
  text.reserve(size_t(utf8.size()) + size_t(plain.count(QLatin1Char('\n'))));
  for (char c : utf8) {
    if (c == '\n') text.push_back('\r');
    text.push_back(c);
  }
  return text;
}

QString WithoutCarriageReturns(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (char c : text)
    if (c != '\r') plain.push_back(c);
  return QString::fromUtf8(plain.data(), qsizetype(plain.size()));
}

}  // namespace

OutputWindow::OutputWindow(QWidget* parent) : QPlainTextEdit(parent) {
  setAccessibleName(QStringLiteral("Output"));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(document(), &QTextDocument::contentsChanged, this, [this] {
    if (!appending_) textStale_ = true;
  });
}

const std::string& OutputWindow::ReportText() {
  if (textStale_) {
    text_ = WithCarriageReturns(toPlainText());
    textStale_ = false;
  }
  return text_;
}

void OutputWindow::AppendReport(std::string_view line) {
  ReportText();
  // When the line will push out old text, keep the text as it was so that
  // the same characters can be removed from the editor, which holds "\n"
  // where the rules count "\r\n". That happens once per quarter of the
  // window, so the copy costs little.
  std::string before;
  if (text_.size() >= kOutputTextLimit) before = text_;
  const OutputAppend change = AppendOutputText(text_, line);
  appending_ = true;
  // Reports are not the user's edits: Undo steps back through the user's
  // typing since the last report, and the undo history does not grow with
  // every line a long display writes.
  document()->setUndoRedoEnabled(false);
  QTextCursor cursor(document());
  if (change.dropped > 0) {
    const auto returns =
        std::count(before.begin(), before.begin() + std::ptrdiff_t(change.dropped), '\r');
    cursor.setPosition(0);
    cursor.setPosition(int(change.dropped - size_t(returns)), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  cursor.movePosition(QTextCursor::End);
  const std::string_view added(text_.data() + text_.size() - change.appended, change.appended);
  cursor.insertText(WithoutCarriageReturns(added));
  setTextCursor(cursor);
  ensureCursorVisible();
  document()->setUndoRedoEnabled(true);
  appending_ = false;
}

void OutputWindow::SetFixedWidthFont(bool fixed) {
  setFont(QFontDatabase::systemFont(fixed ? QFontDatabase::FixedFont
                                          : QFontDatabase::GeneralFont));
}

}  // namespace tq::app
