#include "driver/composition.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "chart/glyphs.h"
#include "classify/statement_records.h"
#include "driver/platform.h"
#include "driver/chart_writer.h"
#include "tests/support/conversion_fixture.h"

namespace {

using Lines = std::vector<std::string>;

std::string repeat(const std::string& glyph, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += glyph;
  return out;
}

class CompositionTest : public ConversionTest {
 protected:
  void SetUp() override {
    ConversionTest::SetUp();
    ws.run.output_file = platform_open_file("chart.txt", "wb");
  }

  // Starts a new chart row; returns it for its cells.  The rows go into the
  // row store when the chart is composed.
  ChartRow& add_row(std::uint32_t depth = 0, ConnectorKind level_kind = kConnectorUnset,
                    Marker marker = kMarkerUnset) {
    rows_.emplace_back();
    ConnectorRecord& k = rows_.back().second;
    k.connector_depth = depth;
    for (std::uint32_t d = 0; d < depth; ++d) k.levels[d] = connector_level(d + 1 == depth ? level_kind : kConnectorPass);
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
  static void glyph(ChartRow& row, CellKind kind, std::uint32_t value) { append_cell(row, glyph_cell(kind, value)); }
  static void piece(ChartRow& row, std::uint32_t value) { glyph(row, kCellGlyph6, value); }
  static void spacer(ChartRow& row) { glyph(row, kCellGlyph2, kGlyphSpacer); }
  void text(ChartRow& row, const std::string& t) {
    const std::uint32_t index = add_text(kKindPlainText, t);
    append_cell(row, ChartCell{kCellText, index, ws.records.statement_table[index].text_length});
  }

  // The chart file's bytes.
  std::string written() {
    compose();
    finish_chart_file();
    return take_chart();
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
    ChartRow& a = add_row(1, kConnectorTop);
    spacer(a), piece(a, kPieceLine), piece(a, kPieceLeave);
    ChartRow& b = add_row(1, kConnectorPass);
    spacer(b), piece(b, kCaptionElse), text(b, "else");
    ChartRow& c = add_row(1, kConnectorPass);
    spacer(c), piece(c, kCaptionAssign), text(c, assignment);
    ChartRow& d = add_row(1, kConnectorPass);
    spacer(d), piece(d, kPieceLine), text(d, "=");
    ChartRow& e = add_row(1, kConnectorBottom);
    spacer(e), piece(e, kPieceJoin), piece(e, kPieceArrive);
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
  EXPECT_EQ(ws.composition.bracket_start_columns[0], 14u);
  EXPECT_EQ(ws.composition.bracket_end_columns[0], 16u);
  EXPECT_EQ(ws.composition.row_widths[0], 16u);
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
  spacer(row), piece(row, kCaptionCall), text(row, "call s");
  EXPECT_EQ(written(), "  \x81\x9D\x8C\xC4\x8F\x6F" "call s\r\n");
}

TEST_F(CompositionTest, EmptyChartWritesNothing) { EXPECT_EQ(written(), ""); }

TEST_F(CompositionTest, CommentRowNeverShowsBracketLines) {
  ChartRow& top = add_row(1, kConnectorTop);
  piece(top, kPieceLeave);
  ChartRow& comment = add_row(1, kConnectorPass, kMarkerComment);
  text(comment, "c note");
  ChartRow& bottom = add_row(1, kConnectorBottom);
  piece(bottom, kPieceArrive);
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
    ChartRow& top = add_row(1, kConnectorTop);
    piece(top, kPieceLeave);
    ChartRow& bottom = add_row(1, kConnectorBottom);
    for (; bottom_width > 150; bottom_width -= 150) text(bottom, std::string(150, 'z'));
    text(bottom, std::string(bottom_width, 'z'));
  }
};

TEST_F(BracketColumnTest, ColumnOf502IsAccepted) {
  build_bracket(500);
  const std::string bytes = written();
  EXPECT_EQ(ws.composition.bracket_end_columns[0], 502u);
  EXPECT_EQ(bytes.substr(bytes.size() - 4), "\x84\xA3\r\n");  // "┘" in columns 502 and 503
}

TEST_F(BracketColumnTest, ColumnOf503IsRefused) {
  build_bracket(501);
  EXPECT_THROW(compose(), FatalExit);
  EXPECT_EQ(shown_messages().back(), (ShownMessage{"Excuse", "行数が制限を越えそうです。"}));
}

TEST_F(CompositionTest, NestedBracketsStandRightOfEachOther) {
  ChartRow& outer_top = add_row(1, kConnectorTop);
  piece(outer_top, kPieceLeave);
  ChartRow& inner_top = add_row(2, kConnectorTop);
  piece(inner_top, kPieceLeave);
  ChartRow& inner_bottom = add_row(2, kConnectorBottom);
  piece(inner_bottom, kPieceArrive);
  ChartRow& outer_bottom = add_row(1, kConnectorBottom);
  piece(outer_bottom, kPieceArrive);
  EXPECT_EQ(written_lines(), (Lines{
                                 "└────┐",
                                 "└───┐│",
                                 "←←←←┘│",
                                 "←←←←←┘",
                             }));
}

// ---- Rows at a level where no bracket is open (unbalanced structure) ----------

TEST_F(CompositionTest, PassWithNoOpenBracketDrawsNothing) {
  ChartRow& row = add_row(1, kConnectorPass);
  text(row, "call s");
  EXPECT_EQ(written(), "call s\r\n");
}

TEST_F(CompositionTest, BottomWithNoOpenBracketClosesTheLevelAndDrawsNothing) {
  ChartRow& stray = add_row(1, kConnectorBottom);
  text(stray, "x");
  ChartRow& top = add_row(1, kConnectorTop);
  piece(top, kPieceLeave);
  ChartRow& bottom = add_row(1, kConnectorBottom);
  piece(bottom, kPieceArrive);
  EXPECT_EQ(written_lines(), (Lines{"x", "└───┐", "←←←←┘"}));
}

TEST_F(CompositionTest, RowEndsAfterItsDeeperGlyphWhenLevelOneIsClosed) {
  ChartRow& top = add_row(2, kConnectorTop);  // a bracket at level 2 only
  piece(top, kPieceLeave);
  ChartRow& pass = add_row(2, kConnectorPass);
  text(pass, "ab");
  ChartRow& bottom = add_row(2, kConnectorBottom);
  piece(bottom, kPieceArrive);
  EXPECT_EQ(written_lines(), (Lines{"└───┐", "ab      │", "←←←←┘"}));
}

TEST_F(CompositionTest, TopWithoutBottomStartsItsRunAtItsOwnWidth) {
  ChartRow& top = add_row(1, kConnectorTop);
  text(top, "abcd");
  EXPECT_EQ(written_lines(), (Lines{"abcd─┐"}));
  EXPECT_EQ(ws.composition.bracket_start_columns[0], 4u);
}

// A NUL in a line ends its text there and a line feed inside it becomes
// CR LF, at every position of a line, across whole words and the tail.
TEST_F(CompositionTest, NulOrLineFeedInsideALineIsWrittenAsText) {
  const std::string plain = "abcdefghijklmnopqrs";
  for (const char inside : {'\0', '\n'}) {
    for (std::size_t at = 0; at < plain.size(); ++at) {
      TearDown();  // a fresh workspace and chart file for each line
      SetUp();
      std::string line = plain;
      line[at] = inside;
      text(add_row(), line);
      std::string expected = (line + "\n").substr(0, inside == '\0' ? at : std::string::npos);
      for (std::size_t feed = 0; (feed = expected.find('\n', feed)) != std::string::npos; feed += 2) {
        expected.replace(feed, 1, "\r\n");
      }
      EXPECT_EQ(written(), expected) << "byte " << int{inside} << " at " << at;
    }
  }
}

// Lines are composed in the writer's buffer: plain and broken lines of every
// length, over several buffers' worth, so that lines of both kinds meet the
// buffer's end at every offset.
TEST_F(CompositionTest, LinesAcrossManyWriteBuffersKeepTheirBytes) {
  std::string expected;
  std::uint32_t total = 0;
  for (std::uint32_t i = 0; total < 12 * kWriteBufferCapacity; ++i) {
    std::string line(i % 7 == 0 ? 1 + i % 150 : 100 + (i * 37) % 51, static_cast<char>('a' + i % 26));
    if (i % 3 == 1) line[line.size() / 2] = '\n';
    if (i % 5 == 2) line[line.size() / 3] = '\0';
    text(add_row(), line);
    std::string bytes = line.substr(0, line.find('\0'));
    if (bytes.size() == line.size()) bytes += '\n';
    for (std::size_t feed = 0; (feed = bytes.find('\n', feed)) != std::string::npos; feed += 2) bytes.replace(feed, 1, "\r\n");
    expected += bytes;
    total += static_cast<std::uint32_t>(bytes.size());
  }
  compose();
  EXPECT_LE(ws.writing.write_length, kWriteBufferCapacity) << "no line is composed past the buffer's end";
  finish_chart_file();
  EXPECT_EQ(take_chart(), expected);
}

// Composition copies glyph cells without noting them as lines that may hold
// a NUL or a line feed, so no glyph table entry may hold either byte.
TEST(GlyphTables, HoldNoNulOrLineFeedInTheBytesACellDraws) {
  const auto check = [](const char* entry, std::size_t width, const char* table, std::uint32_t value) {
    const std::string drawn(entry, width);
    EXPECT_EQ(drawn.find('\0'), std::string::npos) << table << " " << value;
    EXPECT_EQ(drawn.find('\n'), std::string::npos) << table << " " << value;
  };
  for (std::uint32_t v = 0; v < kCell2Count; ++v) check(cell2[v], 2, "cell2", v);
  for (std::uint32_t v = 0; v < kCell4Count; ++v) check(cell4[v], 4, "cell4", v);
  for (std::uint32_t v = 0; v < kKindSymbolCount; ++v) check(kind_symbol[v].data(), 6, "kind_symbol", v);
}

}  // namespace
