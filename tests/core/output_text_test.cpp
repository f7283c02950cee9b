// The output window's bound: the cut of long lines, when old text goes and
// how far, at the exact boundaries.
#include "core/output_text.h"

#include <string>

#include <gtest/gtest.h>

namespace tq {
namespace {

// `n` characters, with line feeds at the given positions.
std::string TextWithFeeds(size_t n, std::initializer_list<size_t> feeds) {
  std::string text(n, 'a');
  for (size_t at : feeds) text[at] = '\n';
  return text;
}

TEST(OutputTextTest, LinesLongerThanAQuarterOfTheLimitAreCut) {
  struct Row {
    size_t lineLength, editorLimit, kept;
  } rows[] = {{8000, kOutputTextLimit, 8000},
              {8001, kOutputTextLimit, 8000},
              {8001, 1000000, 8000},  // a larger editor limit does not raise the window's
              {26, 100, 25},
              {25, 100, 25},
              {3, 7, 1}};
  for (const Row& row : rows) {
    std::string text;
    AppendOutputText(text, std::string(row.lineLength, 'x'), row.editorLimit);
    EXPECT_EQ(text.size(), row.kept) << row.lineLength << " " << row.editorLimit;
  }
}

TEST(OutputTextTest, OldTextGoesOnlyOnceTheLimitIsReached) {
  std::string text(31990, 'a');
  AppendOutputText(text, std::string(10, 'b'));  // exactly the limit
  EXPECT_EQ(text.size(), 32000u);
  text.resize(31999);
  AppendOutputText(text, std::string(8000, 'b'));  // past the limit, but below it before
  EXPECT_EQ(text.size(), 39999u);
  AppendOutputText(text, "");  // over the limit already: even an empty line cuts
  EXPECT_EQ(text.size(), 19999u);
}

TEST(OutputTextTest, TheOldestQuarterGoesUpToALineFeed) {
  struct Row {
    std::string text;
    size_t removed;
  } rows[] = {
      // n = 32000: the search runs over positions 8000 to 15999.
      {TextWithFeeds(32000, {7999, 8000, 9000}), 8001},
      {TextWithFeeds(32000, {7999, 15999}), 16000},
      {TextWithFeeds(32000, {7999, 16000}), 16001},  // none before the middle: cut there
      {TextWithFeeds(32000, {}), 16001},
      // n = 39999: from 9999 to below 19999.
      {TextWithFeeds(39999, {9998, 9999}), 10000},
      {TextWithFeeds(39999, {19999}), 20000},
  };
  for (Row& row : rows) {
    const std::string tail = row.text.substr(row.removed);
    AppendOutputText(row.text, "new\r\n");
    EXPECT_EQ(row.text, tail + "new\r\n") << row.removed;
  }
}

TEST(OutputTextTest, EndlessLinesStayBounded) {
  std::string text;
  for (int i = 0; i < 100000; ++i) {
    AppendOutputText(text, std::to_string(i) + "\r\n");
    ASSERT_LT(text.size(), kOutputTextLimit + kOutputTextLimit / 4);
  }
  EXPECT_EQ(text.substr(text.size() - 7), "99999\r\n");
  EXPECT_EQ(text.find('\n') < text.find('\r'), false);  // starts at a whole line
}

}  // namespace
}  // namespace tq
