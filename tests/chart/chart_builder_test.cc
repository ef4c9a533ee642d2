#include "chart/chart_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "chart/row_emitters.h"
#include "classify/statement_records.h"
#include "driver/conversion_run.h"
#include "tests/support/conversion_fixture.h"

namespace {

using Cells = std::vector<std::string>;
using Levels = std::vector<std::uint32_t>;

const std::string kSpacer = "  ";

class ChartBuilderTest : public ConversionTest {
 protected:
  std::uint32_t s() const { return ws.semicolon_row; }
  std::uint32_t a() const { return ws.ampersand_row; }

  // Appends a statement record; records with text hold "t<index>".
  void add(std::uint32_t kind, bool has_text = true, char marker = ' ') {
    StatementRecord& r = ws.statement_table[ws.stmt_count];
    r.kind = kind;
    r.marker = marker;
    r.has_text = has_text ? 'Y' : 'N';
    const std::string text = has_text ? std::string(1, 't').append(std::to_string(ws.stmt_count)) : "";
    set_statement_text(r, text.c_str(), static_cast<std::uint32_t>(text.size()));
    ++ws.stmt_count;
  }
  void add_tokens(std::initializer_list<std::uint32_t> kinds) {
    for (std::uint32_t kind : kinds) add(kind, false);
  }
  void add_close(std::uint32_t kind) { add(kind, false, 'T'); }

  void expect_rows(const std::vector<std::pair<Cells, Levels>>& rows) {
    ASSERT_EQ(ws.chart_row_count, rows.size());
    for (std::uint32_t r = 0; r < rows.size(); ++r) {
      EXPECT_EQ(row_cells(r), rows[r].first) << "row " << r;
      EXPECT_EQ(row_connectors(r), rows[r].second) << "row " << r;
    }
  }
  std::size_t problems() const {
    std::size_t count = 0;
    for (const ShownMessage& m : shown_messages()) count += m.title == "Attention";
    return count;
  }
};

TEST_F(ChartBuilderTest, ProgramWithIfElseAndCountedDo) {
  add(0);
  add(s() + 6, false);
  add(37);
  add_close(20037);
  add(40);
  add(50);
  add(43);
  add(50);
  add(32);
  add(61);
  add(50);
  add(35);
  add(12);
  build_chart();
  expect_rows({
      {{"▽", "▽▽", "P0"}, {}},
      {{kSpacer, "◇判定", "P2"}, {}},
      {{kSpacer, "◆──", "┐    "}, {}},
      {{kSpacer, "│    ", "│成立", "P4"}, {}},
      {{kSpacer, "│    ", "◎呼出", "P5"}, {}},
      {{kSpacer, "│    ", "└──"}, {2}},
      {{kSpacer, "│不成", "P6"}, {1}},
      {{kSpacer, "◎呼出", "P7"}, {1}},
      {{kSpacer, "├←←", "←←←"}, {4}},
      {{kSpacer, "│判終", "P8"}, {}},
      {{kSpacer, "└─", "┐    "}, {}},
      {{kSpacer, "    ", "◎繰返", "P9"}, {}},
      {{kSpacer, "┌─", "┤    "}, {}},
      {{kSpacer, "↑  ", "◆──"}, {2}},
      {{kSpacer, "↑  ", "◎呼出", "P10"}, {1}},
      {{kSpacer, "└←", "┘    "}, {1}},
      {{kSpacer, "    ", "┌←←"}, {4}},
      {{kSpacer, "┌←", "┘    "}, {}},
      {{kSpacer, "│繰終", "P11"}, {}},
      {{"△", "△△", "P12"}, {}},
  });
  EXPECT_EQ(problems(), 0u);
}

TEST_F(ChartBuilderTest, SubroutineWithSelectCase) {
  add(0);
  add_tokens({s() + 4, s() + 2, s() + 3});
  add(41);
  add_tokens({s() + 2, s() + 3});
  add_close(20041);
  add(44);
  add_tokens({s() + 2, s() + 3});
  add_close(20044);
  add(50);
  add(44);
  add_tokens({s() + 2, s() + 3});
  add_close(20044);
  add(50);
  add(42);
  add(50);
  add(34);
  add(8);
  build_chart();
  expect_rows({
      {{"▼", "▼▼", "P0"}, {}},
      {{kSpacer, "◎選択", "P4"}, {}},
      {{kSpacer, "◇場合", "P8"}, {}},
      {{kSpacer, "◆──", "┐    "}, {}},
      {{kSpacer, "│    ", "◎呼出", "P12"}, {}},
      {{kSpacer, "│    ", "└──"}, {2}},
      {{kSpacer, "◇場合", "P13"}, {1}},
      {{kSpacer, "◆──", "┐    "}, {1}},
      {{kSpacer, "│    ", "◎呼出", "P17"}, {1}},
      {{kSpacer, "│    ", "└──"}, {3}},
      {{kSpacer, "◇其他", "P18"}, {1}},
      {{kSpacer, "◆──", "┐    "}, {1}},
      {{kSpacer, "│    ", "◎呼出", "P19"}, {1}},
      {{kSpacer, "│    ", "└──"}, {3}},
      {{kSpacer, "├←←", "←←←"}, {4}},
      {{kSpacer, "│選終", "P20"}, {}},
      {{"▲", "▲▲", "P21"}, {}},
      {{"      "}, {}},
  });
}

TEST_F(ChartBuilderTest, BlockIfWithoutElseClosesWithoutBracket) {
  add(0);
  add(s() + 4, false);
  add(37);
  add_close(20037);
  add(40);
  add(50);
  add(33);
  build_chart();
  ASSERT_EQ(ws.chart_row_count, 7u);
  EXPECT_EQ(row_cells(5), (Cells{kSpacer, "├←←", "┘    "}));
  for (std::uint32_t r = 0; r < 7; ++r) EXPECT_EQ(row_connectors(r), Levels{}) << r;
}

TEST_F(ChartBuilderTest, ElseIfAndElseEachEndTheirBranchIntoANewBracket) {
  add(0);
  add(s() + 4, false);
  add(37);
  add_close(20037);
  add(40);
  add(50);
  add(39);
  add_close(20039);
  add(40);
  add(50);
  add(43);
  add(50);
  add(33);
  build_chart();
  expect_rows({
      {{"▼", "▼▼", "P0"}, {}},
      {{kSpacer, "◇判定", "P2"}, {}},
      {{kSpacer, "◆──", "┐    "}, {}},
      {{kSpacer, "│    ", "│成立", "P4"}, {}},
      {{kSpacer, "│    ", "◎呼出", "P5"}, {}},
      {{kSpacer, "│    ", "└──"}, {2}},
      {{kSpacer, "◇判定", "P6"}, {1}},
      {{kSpacer, "◆──", "┐    "}, {1}},
      {{kSpacer, "│    ", "│成立", "P8"}, {1}},
      {{kSpacer, "│    ", "◎呼出", "P9"}, {1}},
      {{kSpacer, "│    ", "└──"}, {1, 2}},
      {{kSpacer, "│不成", "P10"}, {1, 1}},
      {{kSpacer, "◎呼出", "P11"}, {1, 1}},
      {{kSpacer, "├←←", "←←←"}, {1, 4}},
      {{kSpacer, "├←←", "←←←"}, {4}},
      {{kSpacer, "│判終", "P12"}, {}},
  });
}

TEST_F(ChartBuilderTest, InterfaceBlockHasNoLineInside) {
  add(0);
  add(s() + 8, false);
  add(0);
  add_tokens({s() + 4, s() + 2, s() + 3});
  build_chart();
  EXPECT_EQ(ws.template_row.cell_count, 3u);
  EXPECT_EQ(row_cells(0), (Cells{"▽", "▽▽", "P0"}));
  EXPECT_EQ(row_cells(1), (Cells{kSpacer, "▼", "▼▼", "P2"}));
  EXPECT_EQ(ws.closing_rows[0].row.cells[1].cell_value, 9u);  // "△△" at the interface's column
}

TEST_F(ChartBuilderTest, OneLineIfInsideAUnitGivesFourRows) {
  add(0);
  add(s() + 4, false);
  add(37);
  add_tokens({s() + 2, s() + 3});
  add_close(20037);
  add(a() - 1, false);
  add(33, false);
  build_chart();
  expect_rows({
      {{"▼", "▼▼", "P0"}, {}},
      {{kSpacer, "◇判定", "P2"}, {}},
      {{kSpacer, "◆──", "┐    "}, {}},
      {{kSpacer, "├←←", "┘    "}, {}},
      {{kSpacer, "│判終", "P7"}, {}},
  });
  EXPECT_EQ(stored_cell(4, 2).cell_width, 0u);
}

TEST_F(ChartBuilderTest, RowsBeforeAnyUnitShowOnlyTheirText) {
  add(0);
  add(a() - 1, false);
  add(37);
  add_close(20037);
  add(40);
  add(50);
  build_chart();
  EXPECT_EQ(row_cells(0), (Cells{"", "P0"}));
  EXPECT_EQ(row_cells(1), (Cells{"", "P2"}));
  EXPECT_EQ(row_cells(2), (Cells{"", "┐    "}));
  EXPECT_EQ(stored_cell(0, 0).cell_value, a() - 1 - 30);  // written, but never shown
}

TEST_F(ChartBuilderTest, CountedDoFollowedByEndDoGivesEightRows) {
  add(0);
  add(s() + 4, false);
  add(51);
  add(35);
  build_chart();
  expect_rows({
      {{"▼", "▼▼", "P0"}, {}},
      {{kSpacer, "└─", "┐    "}, {}},
      {{kSpacer, "    ", "◎繰返", "P2"}, {}},
      {{kSpacer, "┌─", "┤    "}, {}},
      {{kSpacer, "↑  ", "◆──"}, {2}},
      {{kSpacer, "└←", "┘    "}, {1}},
      {{kSpacer, "    ", "┌←←"}, {4}},
      {{kSpacer, "┌←", "┘    "}, {}},
      {{kSpacer, "│繰終", "P3"}, {}},
  });
}

TEST_F(ChartBuilderTest, DoWhileEmitsItsTestRowAfterTheCondition) {
  add(0);
  add(s() + 4, false);
  add(72);
  add(73);
  add_tokens({s() + 2, s() + 3});
  add_close(20073);
  add(50);
  add(35);
  build_chart();
  ASSERT_EQ(ws.chart_row_count, 11u);
  EXPECT_EQ(row_cells(2), (Cells{kSpacer, "    ", "◎繰返", "P2"}));
  EXPECT_EQ(row_cells(3), (Cells{kSpacer, "┌─", "┤    "}));
  EXPECT_EQ(row_cells(4), (Cells{kSpacer, "↑  ", "◇範囲", "P3"}));
  EXPECT_EQ(row_cells(5), (Cells{kSpacer, "↑  ", "◆──"}));
  EXPECT_EQ(row_connectors(5), Levels{2});
  EXPECT_EQ(row_cells(6), (Cells{kSpacer, "↑  ", "◎呼出", "P7"}));
  EXPECT_EQ(row_cells(7), (Cells{kSpacer, "└←", "┘    "}));
  EXPECT_EQ(ws.loop_kind_depth, 0u);
  EXPECT_EQ(problems(), 0u);
}

TEST_F(ChartBuilderTest, UnconditionalDoDrawsItsTestRowAtEndDo) {
  add(0);
  add(s() + 4, false);
  add(72);
  add(50);
  add(35);
  build_chart();
  ASSERT_EQ(ws.chart_row_count, 10u);
  EXPECT_EQ(row_cells(4), (Cells{kSpacer, "↑  ", "◎呼出", "P3"}));
  EXPECT_EQ(row_cells(5), (Cells{kSpacer, "↑  ", "◆──"}));
  EXPECT_EQ(row_connectors(5), Levels{2});
  EXPECT_EQ(row_connectors(6), Levels{1});
  EXPECT_EQ(row_connectors(7), Levels{4});
}

TEST_F(ChartBuilderTest, LabelledLoopEndsAtItsPseudoRecord) {
  add(0);
  add(s() + 4, false);
  add(51);
  add(50);
  add(20035, false, 'E');
  add(74);
  build_chart();
  ASSERT_EQ(ws.chart_row_count, 10u);
  EXPECT_EQ(row_cells(8), (Cells{kSpacer, "┌←", "┘    "}));
  EXPECT_EQ(row_cells(9), (Cells{kSpacer, "●", "P5"}));
}

TEST_F(ChartBuilderTest, FormatAndMeridolLabelRows) {
  add(0);
  add(s() + 4, false);
  add(84);
  add(100);
  build_chart();
  EXPECT_EQ(row_cells(1), (Cells{kSpacer, "※", "P2"}));
  EXPECT_EQ(row_cells(2), kMeridolEdition ? (Cells{kSpacer, "●", "P3"}) : (Cells{kSpacer, "│    ", "P3"}));
}

TEST_F(ChartBuilderTest, UnbalancedEndsShowTheProblemMessage) {
  add(35);  // END DO with no open DO: still drawn
  add(12);  // END PROGRAM with no open unit: no row
  add(8);   // END SUBROUTINE with no open unit: a separator row
  add(33);  // END IF outside any IF
  add(21);  // END WHERE outside any WHERE
  build_chart();
  EXPECT_EQ(problems(), 5u);
  EXPECT_EQ(ws.chart_row_count, 4u);
  EXPECT_EQ(row_cells(0), (Cells{"", "P0"}));
  EXPECT_EQ(stored_cell(0, 0).cell_value, 30u);  // "│繰終", on the invisible start cell
  EXPECT_EQ(row_cells(1), (Cells{"      "}));
}

TEST_F(ChartBuilderTest, ElseOutsideAnIfGivesTheTemplateItsCellBack) {
  add(43);  // ELSE on the template's single start cell: the branch end leaves no cell
  add(0);
  add(a(), false);
  build_chart();
  expect_rows({
      {{""}, {2}},         // "└──" written into the invisible start cell
      {{"", "P0"}, {1}},   // the ELSE row: the template has its cell again
      {{"", "P1"}, {1}},
  });
  EXPECT_EQ(ws.template_row.cell_count, 1u);
}

TEST_F(ChartBuilderTest, CaptionOverASpacerReplacesTheWholeCell) {
  add(0);
  add(s() + 4, false);
  add(43);  // ELSE straight inside the unit: the line cell becomes the spacer
  add(50);
  build_chart();
  expect_rows({
      {{"▼", "▼▼", "P0"}, {}},
      {{kSpacer, "└──"}, {2}},
      {{"│不成", "P2"}, {1}},
      {{"◎呼出", "P3"}, {1}},
  });
  EXPECT_EQ(ws.template_row.cells[0].cell_kind, '2');  // the template itself keeps its spacer
}

TEST_F(ChartBuilderTest, NoRecordsNoRows) {
  build_chart();
  EXPECT_EQ(ws.chart_row_count, 0u);
}

TEST_F(ChartBuilderTest, LastRecordOfKindZeroBuildsNothing) {
  add(0);
  build_chart();
  EXPECT_EQ(ws.chart_row_count, 0u);
}

// ---- Limits ---------------------------------------------------------------------

class ChartBuilderLimitTest : public ChartBuilderTest {
 protected:
  // Counted DO loops with an empty body: eight rows for two records.
  void add_empty_loops(std::uint32_t loops) {
    for (std::uint32_t i = 0; i < loops; ++i) {
      add(51);
      add(35);
    }
  }
  void expect_too_large() {
    EXPECT_THROW(build_chart(), FatalExit);
    ASSERT_FALSE(shown_messages().empty());
    EXPECT_EQ(shown_messages().back(), (ShownMessage{"Excuse", "プログラムの規模が大き過ぎます。"}));
  }
};

TEST_F(ChartBuilderLimitTest, LastRowOfTheStoreIsAccepted) {
  add_empty_loops(12501);  // 100008 rows
  add(50);
  build_chart();
  EXPECT_EQ(ws.chart_row_count, kChartRowCapacity - 1);
  EXPECT_EQ(problems(), 0u);
}

TEST_F(ChartBuilderLimitTest, FullRowStoreBeforeARecordEndsTheRun) {
  add_empty_loops(12501);
  add(50);
  add(50);
  add(50);  // reached with 100010 rows built
  expect_too_large();
  EXPECT_EQ(ws.chart_row_count, kChartRowCapacity);
}

TEST_F(ChartBuilderLimitTest, StatementThatWouldBuildPastTheStoreEndsTheRun) {
  add_empty_loops(12501);
  add(51);  // needs four rows from row 100008 on
  expect_too_large();
}

TEST_F(ChartBuilderLimitTest, NestingLimits) {
  for (std::uint32_t i = 0; i < 40; ++i) add(37);
  build_chart();  // 40 open IFs are fine
  EXPECT_EQ(ws.if_depth, 40u);
  add(37);
  expect_too_large();
}

TEST_F(ChartBuilderLimitTest, CellLimitOfTheLastRow) {
  // Each THEN opens a column: its row has one cell more than the one before.
  add(0);
  add(s() + 4, false);
  for (std::uint32_t i = 0; i < 42; ++i) add(40);
  build_chart();
  EXPECT_EQ(ws.row_cell_counts[ws.chart_row_count - 1], 45u);
  add(40);  // its row has 46 cells
  expect_too_large();
}

}  // namespace

namespace {

// The branch closer of an open block, amended as its branches end into brackets
// at different depths (possible only with unbalanced structure).
TEST_F(ChartBuilderTest, AmendedCloserKeepsLevelsWrittenEarlierAndZeroesTheRest) {
  add(0);
  add(ws.semicolon_row + 4, false);
  add(40);
  build_chart();  // a unit with one open branch block
  ASSERT_EQ(ws.branch_depth, 1u);
  const auto end_branch_at_depth = [](std::uint32_t depth) {
    ws.template_connectors.connector_depth = depth;
    ws.template_row.cell_count = 3;
    end_branch(true);
    advance_row();
  };
  end_branch_at_depth(2);  // bottom at level 3
  end_branch_at_depth(0);  // bottom at level 1
  end_branch_at_depth(3);  // bottom at level 4, over the level 3 written first
  const ConnectorRecord& closer = ws.branch_closers[0].connectors;
  ASSERT_EQ(closer.connector_depth, 4u);
  EXPECT_EQ(closer.levels[0].cell_value, 4u);  // the second amendment's bottom
  EXPECT_EQ(closer.levels[1].cell_value, 0u);  // never written: a passing line
  EXPECT_EQ(closer.levels[2].cell_value, 4u);  // the first amendment's bottom
  EXPECT_EQ(closer.levels[3].cell_value, 4u);
}

}  // namespace

namespace {

// A harness may build and start runs repeatedly in one process: every table
// the stages append to starts over with its stage.
TEST_F(ChartBuilderTest, RepeatedBuildsStartTheRowStoreOver) {
  add(0);
  add(ws.semicolon_row + 4, false);
  add(50);
  build_chart();
  const std::uint32_t cells = ws.stored_cell_used;
  const std::uint32_t levels = ws.stored_level_used;
  build_chart();
  EXPECT_EQ(ws.stored_cell_used, cells);
  EXPECT_EQ(ws.stored_level_used, levels);
  start_run();
  feed("  call s\n");
  const std::uint32_t text = ws.statement_text_used;
  start_run();
  feed("  call s\n");
  EXPECT_EQ(ws.statement_text_used, text);
}

}  // namespace
