#include "driver/composition.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "classify/statement_records.h"
#include "driver/chart_writer.h"
#include "tests/support/conversion_fixture.h"

namespace {

using Lines = std::vector<std::string>;

std::string repeat(const std::string& glyph, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += glyph;
  return out;
}

const std::uint32_t kAssignCaption = kMeridolEdition ? 103 : 93;

class CompositionTest : public ConversionTest {
 protected:
  void SetUp() override {
    ConversionTest::SetUp();
    char name[] = "/tmp/kmt_chart_XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    close(fd);
    chart_path_ = name;
    ws.output_file = std::fopen(name, "wb");
  }
  void TearDown() override {
    ConversionTest::TearDown();
    std::remove(chart_path_.c_str());
  }

  std::uint32_t add_text(const std::string& text) {
    EXPECT_LE(text.size(), kMaxPieceLength);
    StatementRecord& r = ws.statement_table[ws.stmt_count];
    r.has_text = 'Y';
    set_statement_text(r, text.c_str(), static_cast<std::uint32_t>(text.size()));
    return ws.stmt_count++;
  }

  // Starts a new chart row; returns it for its cells.  The rows go into the
  // row store when the chart is composed.
  ChartRow& add_row(std::uint32_t depth = 0, std::uint32_t level_kind = 0, char marker = 0) {
    rows_.emplace_back();
    ConnectorRecord& k = rows_.back().second;
    k.connector_depth = depth;
    for (std::uint32_t d = 0; d < depth; ++d) k.levels[d] = connector_level(d + 1 == depth ? level_kind : 1);
    rows_.back().first.row_marker = marker;
    return rows_.back().first;
  }
  void compose() {
    for (const auto& [row, connectors] : rows_) {
      current_row() = row;
      current_connectors() = connectors;
      advance_row();
    }
    rows_.clear();
    compose_and_write_chart();
  }
  static void glyph(ChartRow& row, char kind, std::uint32_t value) { append_cell(row, glyph_cell(kind, value)); }
  void text(ChartRow& row, const std::string& t) {
    const std::uint32_t index = add_text(t);
    append_cell(row, ChartCell{'P', index, 0, ws.statement_table[index].text_length});
  }

  // The chart file's bytes.
  std::string written() {
    compose();
    finish_chart_file();
    std::ifstream chart(chart_path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(chart), {});
  }
  Lines written_lines() {
    const std::string utf8 = chart_to_utf8(written());
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = utf8.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.push_back(utf8.substr(start, end - start));
    }
    EXPECT_EQ(start, utf8.size()) << "every line ends in CR LF";
    return lines;
  }

  // The else branch of a block IF: one bracket at level 1.
  void build_else_branch(const std::string& assignment) {
    ChartRow& a = add_row(1, 2);
    glyph(a, '2', 0), glyph(a, '6', 1), glyph(a, '6', 7);
    ChartRow& b = add_row(1, 1);
    glyph(b, '2', 0), glyph(b, '6', 38), text(b, "else");
    ChartRow& c = add_row(1, 1);
    glyph(c, '2', 0), glyph(c, '6', kAssignCaption), text(c, assignment);
    ChartRow& d = add_row(1, 1);
    glyph(d, '2', 0), glyph(d, '6', 1), text(d, "=");
    ChartRow& e = add_row(1, 4);
    glyph(e, '2', 0), glyph(e, '6', 8), glyph(e, '6', 9);
  }

  std::string chart_path_;
  std::deque<std::pair<ChartRow, ConnectorRecord>> rows_;
};

TEST_F(CompositionTest, BracketOfAnElseBranch) {
  build_else_branch("y = 3");
  EXPECT_EQ(written_lines(), (Lines{
                                 "  │    └───┐",
                                 "  │不成else    │",
                                 "  ○代入y = 3   │",
                                 "  │    =       │",
                                 "  ├" + repeat("←", 6) + "┘",
                             }));
  EXPECT_EQ(ws.bracket_start_columns[0], 14u);
  EXPECT_EQ(ws.bracket_end_columns[0], 16u);
  EXPECT_EQ(ws.row_widths[0], 16u);
}

TEST_F(CompositionTest, WiderRowMovesTheBracket) {
  build_else_branch("y = 3 + 12345");  // 21 columns
  // Column 24: runs of five glyphs at columns 14 to 23, the lines end at 26.
  EXPECT_EQ(written_lines(), (Lines{
                                 "  │    └" + repeat("─", 7) + "┐",
                                 "  │不成else" + std::string(12, ' ') + "│",
                                 "  ○代入y = 3 + 12345   │",
                                 "  │    =" + std::string(15, ' ') + "│",
                                 "  ├" + repeat("←", 10) + "┘",
                             }));
}

TEST_F(CompositionTest, RowWithoutConnectorsEndsAfterItsCells) {
  ChartRow& row = add_row();
  glyph(row, '2', 0), glyph(row, '6', 45), text(row, "call s");
  EXPECT_EQ(written(), "  \x81\x9D\x8C\xC4\x8F\x6F" "call s\r\n");
}

TEST_F(CompositionTest, EmptyChartWritesNothing) { EXPECT_EQ(written(), ""); }

TEST_F(CompositionTest, CommentRowNeverShowsBracketLines) {
  ChartRow& top = add_row(1, 2);
  glyph(top, '6', 7);
  ChartRow& comment = add_row(1, 1, 'C');
  text(comment, "c note");
  ChartRow& bottom = add_row(1, 4);
  glyph(bottom, '6', 9);
  const Lines lines = written_lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "c note");
}

TEST_F(CompositionTest, RowOfExactly502ColumnsIsAccepted) {
  ChartRow& row = add_row();
  for (int i = 0; i < 3; ++i) text(row, std::string(150, 'x'));
  text(row, std::string(52, 'y'));
  EXPECT_EQ(written().size(), 502u + 2);
}

TEST_F(CompositionTest, RowOf503ColumnsIsRefused) {
  ChartRow& row = add_row();
  for (int i = 0; i < 3; ++i) text(row, std::string(150, 'x'));
  text(row, std::string(53, 'y'));
  EXPECT_THROW(compose(), FatalExit);
  EXPECT_EQ(shown_messages().back(), (ShownMessage{"Sorry", "行数が制限を越えそうです。"}));
}

// A bracket whose bottom row is `width` columns wide stands at width + 2.
class BracketColumnTest : public CompositionTest {
 protected:
  void build_bracket(std::uint32_t bottom_width) {
    ChartRow& top = add_row(1, 2);
    glyph(top, '6', 7);
    ChartRow& bottom = add_row(1, 4);
    for (; bottom_width > 150; bottom_width -= 150) text(bottom, std::string(150, 'z'));
    text(bottom, std::string(bottom_width, 'z'));
  }
};

TEST_F(BracketColumnTest, ColumnOf502IsAccepted) {
  build_bracket(500);
  const std::string bytes = written();
  EXPECT_EQ(ws.bracket_end_columns[0], 502u);
  EXPECT_EQ(bytes.substr(bytes.size() - 4), "\x84\xA3\r\n");  // "┘" in columns 502 and 503
}

TEST_F(BracketColumnTest, ColumnOf503IsRefused) {
  build_bracket(501);
  EXPECT_THROW(compose(), FatalExit);
  EXPECT_EQ(shown_messages().back(), (ShownMessage{"Excuse", "行数が制限を越えそうです。"}));
}

TEST_F(CompositionTest, NestedBracketsStandRightOfEachOther) {
  ChartRow& outer_top = add_row(1, 2);
  glyph(outer_top, '6', 7);
  ChartRow& inner_top = add_row(2, 2);
  glyph(inner_top, '6', 7);
  ChartRow& inner_bottom = add_row(2, 4);
  glyph(inner_bottom, '6', 9);
  ChartRow& outer_bottom = add_row(1, 4);
  glyph(outer_bottom, '6', 9);
  EXPECT_EQ(written_lines(), (Lines{
                                 "└────┐",
                                 "└───┐│",
                                 "←←←←┘│",
                                 "←←←←←┘",
                             }));
}

// ---- Rows at a level where no bracket is open (unbalanced structure) ----------

TEST_F(CompositionTest, PassWithNoOpenBracketDrawsNothing) {
  ChartRow& row = add_row(1, 1);
  text(row, "call s");
  EXPECT_EQ(written(), "call s\r\n");
}

TEST_F(CompositionTest, BottomWithNoOpenBracketClosesTheLevelAndDrawsNothing) {
  ChartRow& stray = add_row(1, 4);
  text(stray, "x");
  ChartRow& top = add_row(1, 2);
  glyph(top, '6', 7);
  ChartRow& bottom = add_row(1, 4);
  glyph(bottom, '6', 9);
  EXPECT_EQ(written_lines(), (Lines{"x", "└───┐", "←←←←┘"}));
}

TEST_F(CompositionTest, RowEndsAfterItsDeeperGlyphWhenLevelOneIsClosed) {
  ChartRow& top = add_row(2, 2);  // a bracket at level 2 only
  glyph(top, '6', 7);
  ChartRow& pass = add_row(2, 1);
  text(pass, "ab");
  ChartRow& bottom = add_row(2, 4);
  glyph(bottom, '6', 9);
  EXPECT_EQ(written_lines(), (Lines{"└───┐", "ab      │", "←←←←┘"}));
}

TEST_F(CompositionTest, TopWithoutBottomStartsItsRunAtItsOwnWidth) {
  ChartRow& top = add_row(1, 2);
  text(top, "abcd");
  EXPECT_EQ(written_lines(), (Lines{"abcd─┐"}));
  EXPECT_EQ(ws.bracket_start_columns[0], 4u);
}

}  // namespace
