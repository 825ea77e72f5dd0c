#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>

#include "platform/Printing.h"

namespace bxl::platform {
namespace {

// Whole blocks fill a page; one that does not fit starts the next page, and
// only a block taller than a page is cut.
TEST(Printing, PagesBreakBetweenBlocks) {
  const struct {
    qsizetype lines;
    std::vector<qsizetype> blocks;
    qsizetype linesPerPage;
    std::vector<PageLines> pages;
  } cases[] = {
      {21, {7, 7, 7}, 14, {{0, 14}, {14, 7}}},             // three blocks, two a page
      {25, {4, 7, 7, 7}, 14, {{0, 11}, {11, 14}}},         // a header before them
      {14, {7, 7}, 14, {{0, 14}}},                         // an exact fit
      {31, {4, 20, 7}, 14, {{0, 4}, {4, 14}, {18, 13}}},   // a block taller than a page
      {10, {7}, 4, {{0, 4}, {4, 4}, {8, 2}}},              // lines after the blocks stand alone
      {5, {7}, 14, {{0, 5}}},                              // blocks beyond the lines are cut to them
      {3, {}, 0, {{0, 1}, {1, 1}, {2, 1}}},                // a page holds at least one line
      {0, {4}, 14, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(paginate(c.lines, c.blocks, c.linesPerPage), c.pages) << c.lines << " lines, " << c.linesPerPage << " a page";
}

// Every page is announced before it is painted, and saying no stops the job there.
TEST(Printing, PaintsPageAfterPageUntilToldToStop) {
  QBuffer sink;
  QPdfWriter writer(&sink);
  TextPrintout printout{QStringLiteral("Translation"), Orientation::Landscape, {}, QFont(), {}, {}, {}};
  for (int i = 0; i < 500; ++i) printout.lines << QStringLiteral("line %1").arg(i);
  const int pages = int(textPages(writer, printout).size());
  ASSERT_GT(pages, 3);

  std::vector<int> announced;
  EXPECT_TRUE(paintTextPages(writer, printout, [&](int page, int of) {
    EXPECT_EQ(of, pages);
    announced.push_back(page);
    return true;
  }));
  EXPECT_EQ(announced.size(), std::size_t(pages));
  EXPECT_EQ(announced.back(), pages);

  QBuffer another;
  QPdfWriter stopped(&another);
  announced.clear();
  EXPECT_FALSE(paintTextPages(stopped, printout, [&](int page, int) {
    announced.push_back(page);
    return page < 2;
  }));
  EXPECT_EQ(announced, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace bxl::platform
