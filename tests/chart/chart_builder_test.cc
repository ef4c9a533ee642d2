#include "chart/chart_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "chart/row_emitters.h"
#include "chart/glyphs.h"
#include "classify/statement_records.h"
#include "driver/conversion_run.h"
#include "tests/support/conversion_fixture.h"

namespace {

using Cells = std::vector<std::string>;
using Levels = std::vector<std::uint32_t>;

const std::string kSpacer = "  ";

class ChartBuilderTest : public ConversionTest {
 protected:
  std::size_t problems() const { return messages_titled("Attention"); }
};

TEST_F(ChartBuilderTest, ProgramWithIfElseAndCountedDo) {
  add(kKindPlainText);
  add(kRowProgram, kNo);
  add(kRowIf);
  add_close(kKindIfClose);
  add(kRowThen);
  add(kRowCall);
  add(kRowElse);
  add(kRowCall);
  add(kRowEndifWord);
  add(kRowCountedDo);
  add(kRowCall);
  add(kRowEndDo);
  add(kRowEndProgram);
  build_chart();
  EXPECT_ROWS(R"~(
      [▽][▽▽]{t0}
      [  ][◇判定]{t2}
      [  ][◆──][┐    ]
      [  ][│    ][│成立]{t4}
      [  ][│    ][◎呼出]{t5}
      [  ][│    ][└──] | top
      [  ][│不成]{t6} | pass
      [  ][◎呼出]{t7} | pass
      [  ][├←←][←←←] | bottom
      [  ][│判終]{t8}
      [  ][└─][┐    ]
      [  ][    ][◎繰返]{t9}
      [  ][┌─][┤    ]
      [  ][↑  ][◆──] | top
      [  ][↑  ][◎呼出]{t10} | pass
      [  ][└←][┘    ] | pass
      [  ][    ][┌←←] | bottom
      [  ][┌←][┘    ]
      [  ][│繰終]{t11}
      [△][△△]{t12}
  )~");
  EXPECT_EQ(problems(), 0u);
}

TEST_F(ChartBuilderTest, SubroutineWithSelectCase) {
  add(kKindPlainText);
  add_tokens({kRowSubroutine, kRowOpenParen, kRowCloseParen});
  add(kRowSelectCase);
  add_tokens({kRowOpenParen, kRowCloseParen});
  add_close(kKindSelectCaseClose);
  add(kRowCase);
  add_tokens({kRowOpenParen, kRowCloseParen});
  add_close(kKindCaseClose);
  add(kRowCall);
  add(kRowCase);
  add_tokens({kRowOpenParen, kRowCloseParen});
  add_close(kKindCaseClose);
  add(kRowCall);
  add(kRowCaseDefault);
  add(kRowCall);
  add(kRowEndSelect);
  add(kRowEndSubroutine);
  build_chart();
  EXPECT_ROWS(R"~(
      [▼][▼▼]{t0}
      [  ][◎選択]{t4}
      [  ][◇場合]{t8}
      [  ][◆──][┐    ]
      [  ][│    ][◎呼出]{t12}
      [  ][│    ][└──] | top
      [  ][◇場合]{t13} | pass
      [  ][◆──][┐    ] | pass
      [  ][│    ][◎呼出]{t17} | pass
      [  ][│    ][└──] | branch
      [  ][◇其他]{t18} | pass
      [  ][◆──][┐    ] | pass
      [  ][│    ][◎呼出]{t19} | pass
      [  ][│    ][└──] | branch
      [  ][├←←][←←←] | bottom
      [  ][│選終]{t20}
      [▲][▲▲]{t21}
      [      ]
  )~");
}

// The later CASE bodies join the bracket of the first one at its own level,
// under the bracket of the ELSE around them.
TEST_F(ChartBuilderTest, CaseBodiesJoinTheInnermostBracket) {
  feed("subroutine s\n  if (x) then\n    call a\n  else\n    select case (n)\n    case (k)\n      call b\n"
       "    case (m)\n      call c\n    case (p)\n      call d\n    end select\n  end if\nend subroutine s\n");
  build_chart();
  EXPECT_ROWS(R"~(
      [▼][▼▼]{subroutine s}
      [  ][◇判定]{if (x) }
      [  ][◆──][┐    ]
      [  ][│    ][│成立]{then}
      [  ][│    ][◎呼出]{call a}
      [  ][│    ][└──] | top
      [  ][│不成]{else} | pass
      [  ][◎選択]{select case (n)} | pass
      [  ][◇場合]{case (k)} | pass
      [  ][◆──][┐    ] | pass
      [  ][│    ][◎呼出]{call b} | pass
      [  ][│    ][└──] | pass top
      [  ][◇場合]{case (m)} | pass pass
      [  ][◆──][┐    ] | pass pass
      [  ][│    ][◎呼出]{call c} | pass pass
      [  ][│    ][└──] | pass branch
      [  ][◇場合]{case (p)} | pass pass
      [  ][◆──][┐    ] | pass pass
      [  ][│    ][◎呼出]{call d} | pass pass
      [  ][│    ][└──] | pass branch
      [  ][├←←][←←←] | pass bottom
      [  ][│選終]{end select} | pass
      [  ][├←←][←←←] | bottom
      [  ][│判終]{end if}
      [▲][▲▲]{end subroutine s}
      [      ]
  )~");
}

TEST_F(ChartBuilderTest, BlockIfWithoutElseClosesWithoutBracket) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowIf);
  add_close(kKindIfClose);
  add(kRowThen);
  add(kRowCall);
  add(kRowEndIf);
  build_chart();
  ASSERT_EQ(ws.building.chart_row_count, 7u);
  EXPECT_EQ(row_cells(5), (Cells{kSpacer, "├←←", "┘    "}));
  for (std::uint32_t r = 0; r < 7; ++r) EXPECT_EQ(row_connectors(r), Levels{}) << r;
}

TEST_F(ChartBuilderTest, ElseIfAndElseEachEndTheirBranchIntoANewBracket) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowIf);
  add_close(kKindIfClose);
  add(kRowThen);
  add(kRowCall);
  add(kRowElseIf);
  add_close(kKindElseIfClose);
  add(kRowThen);
  add(kRowCall);
  add(kRowElse);
  add(kRowCall);
  add(kRowEndIf);
  build_chart();
  EXPECT_ROWS(R"~(
      [▼][▼▼]{t0}
      [  ][◇判定]{t2}
      [  ][◆──][┐    ]
      [  ][│    ][│成立]{t4}
      [  ][│    ][◎呼出]{t5}
      [  ][│    ][└──] | top
      [  ][◇判定]{t6} | pass
      [  ][◆──][┐    ] | pass
      [  ][│    ][│成立]{t8} | pass
      [  ][│    ][◎呼出]{t9} | pass
      [  ][│    ][└──] | pass top
      [  ][│不成]{t10} | pass pass
      [  ][◎呼出]{t11} | pass pass
      [  ][├←←][←←←] | pass bottom
      [  ][├←←][←←←] | bottom
      [  ][│判終]{t12}
  )~");
}

TEST_F(ChartBuilderTest, InterfaceBlockHasNoLineInside) {
  add(kKindPlainText);
  add(kRowInterface, kNo);
  add(kKindPlainText);
  add_tokens({kRowSubroutine, kRowOpenParen, kRowCloseParen});
  build_chart();
  EXPECT_EQ(ws.building.template_row.cell_count, 3u);
  EXPECT_EQ(row_cells(0), (Cells{"▽", "▽▽", "P0"}));
  EXPECT_EQ(row_cells(1), (Cells{kSpacer, "▼", "▼▼", "P2"}));
  EXPECT_EQ(ws.building.closing_rows[0].row.cells[1].cell_value, kPiece4BlockClose);  // "△△" at the interface's column
}

TEST_F(ChartBuilderTest, OneLineIfInsideAUnitGivesFourRows) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowIf);
  add_tokens({kRowOpenParen, kRowCloseParen});
  add_close(kKindIfClose);
  add(kRowEquals, kNo);
  add(kRowEndIf, kNo);
  build_chart();
  EXPECT_ROWS(R"~(
      [▼][▼▼]{t0}
      [  ][◇判定]{t2}
      [  ][◆──][┐    ]
      [  ][├←←][┘    ]
      [  ][│判終]{}
  )~");
  EXPECT_EQ(stored_cell(4, 2).cell_width, 0u);
}

TEST_F(ChartBuilderTest, RowsBeforeAnyUnitShowOnlyTheirText) {
  add(kKindPlainText);
  add(kRowEquals, kNo);
  add(kRowIf);
  add_close(kKindIfClose);
  add(kRowThen);
  add(kRowCall);
  build_chart();
  EXPECT_EQ(row_cells(0), (Cells{"", "P0"}));
  EXPECT_EQ(row_cells(1), (Cells{"", "P2"}));
  EXPECT_EQ(row_cells(2), (Cells{"", "┐    "}));
  EXPECT_EQ(stored_cell(0, 0).cell_value, kCaptionAssign);  // written, but never shown
}

TEST_F(ChartBuilderTest, CountedDoFollowedByEndDoGivesEightRows) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowLabelledCountedDo1);
  add(kRowEndDo);
  build_chart();
  EXPECT_ROWS(R"~(
      [▼][▼▼]{t0}
      [  ][└─][┐    ]
      [  ][    ][◎繰返]{t2}
      [  ][┌─][┤    ]
      [  ][↑  ][◆──] | top
      [  ][└←][┘    ] | pass
      [  ][    ][┌←←] | bottom
      [  ][┌←][┘    ]
      [  ][│繰終]{t3}
  )~");
}

TEST_F(ChartBuilderTest, DoWhileEmitsItsTestRowAfterTheCondition) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowDo);
  add(kRowWhile);
  add_tokens({kRowOpenParen, kRowCloseParen});
  add_close(kKindWhileClose);
  add(kRowCall);
  add(kRowEndDo);
  build_chart();
  ASSERT_EQ(ws.building.chart_row_count, 11u);
  EXPECT_EQ(row_cells(2), (Cells{kSpacer, "    ", "◎繰返", "P2"}));
  EXPECT_EQ(row_cells(3), (Cells{kSpacer, "┌─", "┤    "}));
  EXPECT_EQ(row_cells(4), (Cells{kSpacer, "↑  ", "◇範囲", "P3"}));
  EXPECT_EQ(row_cells(5), (Cells{kSpacer, "↑  ", "◆──"}));
  EXPECT_EQ(row_connectors(5), Levels{kConnectorTop});
  EXPECT_EQ(row_cells(6), (Cells{kSpacer, "↑  ", "◎呼出", "P7"}));
  EXPECT_EQ(row_cells(7), (Cells{kSpacer, "└←", "┘    "}));
  EXPECT_EQ(ws.building.loop_kind_depth, 0u);
  EXPECT_EQ(problems(), 0u);
}

TEST_F(ChartBuilderTest, UnconditionalDoDrawsItsTestRowAtEndDo) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowDo);
  add(kRowCall);
  add(kRowEndDo);
  build_chart();
  ASSERT_EQ(ws.building.chart_row_count, 10u);
  EXPECT_EQ(row_cells(4), (Cells{kSpacer, "↑  ", "◎呼出", "P3"}));
  EXPECT_EQ(row_cells(5), (Cells{kSpacer, "↑  ", "◆──"}));
  EXPECT_EQ(row_connectors(5), Levels{kConnectorTop});
  EXPECT_EQ(row_connectors(6), Levels{kConnectorPass});
  EXPECT_EQ(row_connectors(7), Levels{kConnectorBottom});
}

TEST_F(ChartBuilderTest, LabelledLoopEndsAtItsPseudoRecord) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowLabelledCountedDo1);
  add(kRowCall);
  add(kKindLoopEnd, kNo, kMarkerLoopEnd);
  add(kRowLabelledContinue1);
  build_chart();
  ASSERT_EQ(ws.building.chart_row_count, 10u);
  EXPECT_EQ(row_cells(8), (Cells{kSpacer, "┌←", "┘    "}));
  EXPECT_EQ(row_cells(9), (Cells{kSpacer, "●", "P5"}));
}

TEST_F(ChartBuilderTest, FormatAndMeridolLabelRows) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowLabelledFormat1);
  add(kMeridolEdition ? kRowLabelledEndDo7 : kRowSorvaneFiller7);  // row 100 in both editions
  build_chart();
  EXPECT_EQ(row_cells(1), (Cells{kSpacer, "※", "P2"}));
  EXPECT_EQ(row_cells(2), kMeridolEdition ? (Cells{kSpacer, "●", "P3"}) : (Cells{kSpacer, "│    ", "P3"}));
}

TEST_F(ChartBuilderTest, UnbalancedEndsShowTheProblemMessage) {
  add(kRowEndDo);          // END DO with no open DO: still drawn
  add(kRowEndProgram);      // END PROGRAM with no open unit: no row
  add(kRowEndSubroutine);   // END SUBROUTINE with no open unit: a separator row
  add(kRowEndIf);           // END IF outside any IF
  add(kRowEndWhere);        // END WHERE outside any WHERE
  build_chart();
  EXPECT_EQ(problems(), 5u);
  EXPECT_EQ(ws.building.chart_row_count, 4u);
  EXPECT_EQ(row_cells(0), (Cells{"", "P0"}));
  EXPECT_EQ(stored_cell(0, 0).cell_value, kCaptionEndDo);  // on the invisible start cell
  EXPECT_EQ(row_cells(1), (Cells{"      "}));
}

TEST_F(ChartBuilderTest, ElseOutsideAnIfGivesTheTemplateItsCellBack) {
  add(kRowElse);  // ELSE on the template's single start cell: the branch end leaves no cell
  add(kKindPlainText);
  add(kRowAmpersand, kNo);
  build_chart();
  EXPECT_ROWS(R"~(
      [] | top
      []{t0} | pass
      []{t1} | pass
  )~");
  EXPECT_EQ(ws.building.template_row.cell_count, 1u);
}

TEST_F(ChartBuilderTest, CaptionOverASpacerReplacesTheWholeCell) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowElse);  // ELSE straight inside the unit: the line cell becomes the spacer
  add(kRowCall);
  build_chart();
  EXPECT_ROWS(R"~(
      [▼][▼▼]{t0}
      [  ][└──] | top
      [│不成]{t2} | pass
      [◎呼出]{t3} | pass
  )~");
  EXPECT_EQ(ws.building.template_row.cells[0].cell_kind, kCellGlyph2);  // the template itself keeps its spacer
}

TEST_F(ChartBuilderTest, NoRecordsNoRows) {
  build_chart();
  EXPECT_EQ(ws.building.chart_row_count, 0u);
}

TEST_F(ChartBuilderTest, LastRecordOfKindZeroBuildsNothing) {
  add(kKindPlainText);
  build_chart();
  EXPECT_EQ(ws.building.chart_row_count, 0u);
}

// ---- Limits ---------------------------------------------------------------------

class ChartBuilderLimitTest : public ChartBuilderTest {
 protected:
  // Counted DO loops with an empty body: eight rows for two records.
  void add_empty_loops(std::uint32_t loops) {
    for (std::uint32_t i = 0; i < loops; ++i) {
      add(kRowLabelledCountedDo1);
      add(kRowEndDo);
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
  add(kRowCall);
  build_chart();
  EXPECT_EQ(ws.building.chart_row_count, kChartRowCapacity - 1);
  EXPECT_EQ(problems(), 0u);
}

TEST_F(ChartBuilderLimitTest, FullRowStoreBeforeARecordEndsTheRun) {
  add_empty_loops(12501);
  add(kRowCall);
  add(kRowCall);
  add(kRowCall);  // reached with 100010 rows built
  expect_too_large();
  EXPECT_EQ(ws.building.chart_row_count, kChartRowCapacity);
}

TEST_F(ChartBuilderLimitTest, StatementThatWouldBuildPastTheStoreEndsTheRun) {
  add_empty_loops(12501);
  add(kRowLabelledCountedDo1);  // needs four rows from row 100008 on
  expect_too_large();
}

TEST_F(ChartBuilderLimitTest, NestingLimits) {
  for (std::uint32_t i = 0; i < 40; ++i) add(kRowIf);
  build_chart();  // 40 open IFs are fine
  EXPECT_EQ(ws.building.if_depth, 40u);
  add(kRowIf);
  expect_too_large();
}

TEST_F(ChartBuilderLimitTest, CellLimitOfTheLastRow) {
  // Each THEN opens a column: its row has one cell more than the one before.
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  for (std::uint32_t i = 0; i < 42; ++i) add(kRowThen);
  build_chart();
  EXPECT_EQ(ws.building.row_cell_counts[ws.building.chart_row_count - 1], 45u);
  add(kRowThen);  // its row has 46 cells
  expect_too_large();
}

}  // namespace

namespace {

// The branch closer of an open block, amended as its branches end into brackets
// at different depths (possible only with unbalanced structure).
TEST_F(ChartBuilderTest, AmendedCloserKeepsLevelsWrittenEarlierAndZeroesTheRest) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowThen);
  build_chart();  // a unit with one open branch block
  ASSERT_EQ(ws.building.branch_depth, 1u);
  const auto end_branch_at_depth = [](std::uint32_t depth) {
    ws.building.template_connectors.connector_depth = depth;
    ws.building.template_row.cell_count = 3;
    end_branch(true);
    advance_row();
  };
  end_branch_at_depth(2);  // bottom at level 3
  end_branch_at_depth(0);  // bottom at level 1
  end_branch_at_depth(3);  // bottom at level 4, over the level 3 written first
  const ConnectorRecord& closer = ws.building.branch_closers[0].connectors;
  ASSERT_EQ(closer.connector_depth, 4u);
  EXPECT_EQ(closer.levels[0].cell_value, kConnectorBottom);  // the second amendment's bottom
  EXPECT_EQ(closer.levels[1].cell_value, kConnectorUnset);  // never written: a passing line
  EXPECT_EQ(closer.levels[2].cell_value, kConnectorBottom);  // the first amendment's bottom
  EXPECT_EQ(closer.levels[3].cell_value, kConnectorBottom);
}

}  // namespace

namespace {

// A harness may build and start runs repeatedly in one process: every table
// the stages append to starts over with its stage.
TEST_F(ChartBuilderTest, RepeatedBuildsStartTheRowStoreOver) {
  add(kKindPlainText);
  add(kRowSubroutine, kNo);
  add(kRowCall);
  build_chart();
  const std::uint32_t cells = ws.building.stored_cell_used;
  const std::uint32_t levels = ws.building.stored_level_used;
  build_chart();
  EXPECT_EQ(ws.building.stored_cell_used, cells);
  EXPECT_EQ(ws.building.stored_level_used, levels);
  start_run();
  feed("  call s\n");
  const std::uint32_t text = ws.records.statement_text_used;
  start_run();
  feed("  call s\n");
  EXPECT_EQ(ws.records.statement_text_used, text);
}

}  // namespace

namespace {

// A chart row carries the line of the record it was built for; the rows of
// a saved closing row carry the line of the statement that closes.
TEST_F(ChartBuilderTest, RowsKnowTheirSourceLinesAndProblemsPointAtTheStatement) {
  std::string source = "subroutine s\n  do i = 1, n\n    call a\n  end do\n";
  for (int i = 0; i < 30; ++i) source += "  x = 1\n";
  source += "  end select\nend subroutine s\n";  // line 35 finds no SELECT CASE
  feed(source);
  build_chart();
  std::vector<std::uint32_t> lines;
  for (std::uint32_t r = 0; r < ws.building.chart_row_count; ++r) lines.push_back(ws.building.row_source_lines[r]);
  // The loop head, the DO row, its entry and test rows: line 2; its return,
  // exit and closing rows and the END DO row: line 4.
  const std::vector<std::uint32_t> loop = {1, 2, 2, 2, 2, 3, 4, 4, 4, 4};
  EXPECT_EQ(std::vector<std::uint32_t>(lines.begin(), lines.begin() + 10), loop);
  EXPECT_EQ(lines[10], 5u);
  EXPECT_EQ(lines.back(), 36u);  // the separator row after END SUBROUTINE
  ASSERT_EQ(messages_titled("Attention"), 1u);
  EXPECT_EQ(shown_messages().back().source_line, 35u);
  EXPECT_EQ(shown_messages().back().reason, "END SELECT without SELECT CASE");
}

}  // namespace
