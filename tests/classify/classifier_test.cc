#include "classify/classifier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "classify/statement_records.h"
#include "tests/support/conversion_fixture.h"

namespace {

using Kinds = std::vector<std::uint32_t>;

struct Expected {
  std::uint32_t kind;
  std::optional<std::string> text;  // none: a record without text
  std::uint32_t operand_offset = 0;
  char marker = ' ';
};

class ClassifierTest : public ConversionTest {
 protected:
  std::uint32_t s() const { return ws.semicolon_row; }
  std::uint32_t a() const { return ws.ampersand_row; }

  void expect_records(const std::vector<Expected>& expected) {
    ASSERT_EQ(ws.stmt_count, expected.size()) << ::testing::PrintToString(record_kinds());
    for (std::uint32_t i = 0; i < expected.size(); ++i) {
      const StatementRecord& r = record(i);
      const Expected& e = expected[i];
      SCOPED_TRACE("record " + std::to_string(i));
      EXPECT_EQ(r.kind, e.kind);
      EXPECT_EQ(r.marker, e.marker);
      EXPECT_EQ(r.has_text, e.text ? 'Y' : 'N');
      EXPECT_EQ(r.keyword_flag, e.text && e.kind != 0 ? 'Y' : 'N');
      EXPECT_EQ(r.operand_offset, e.operand_offset);
      const std::string text = e.text.value_or("");
      EXPECT_EQ(r.text_length, text.size());
      EXPECT_EQ(std::string(statement_text(r)), text + "\n");
    }
  }
};

TEST_F(ClassifierTest, AssignmentAndCall) {
  feed("  x = y\n");
  expect_records({{0, "x = y"}, {a() - 1, {}}});
}

TEST_F(ClassifierTest, CallKeepsItsWholeTextAndOperandOffset) {
  feed("  Call Sub(a, b)\n");
  expect_records({{50, "Call Sub(a, b)", 5}, {s() + 2, {}}, {s() + 3, {}}});
}

TEST_F(ClassifierTest, BlockIfWithConditionClose) {
  feed("  if (x > y) then\n");
  expect_records({{37, "if (x > y) ", 3}, {s() + 2, {}}, {s() + 3, {}}, {20037, {}, 0, 'T'}, {40, "then", 4}});
  feed("  z = 1\n");
  EXPECT_EQ(record(5).kind, 0u);  // no END IF is owed
}

TEST_F(ClassifierTest, OneLineIfOwesAnEndIfBeforeTheNextLine) {
  feed("  if (x > y) z = w\n");
  expect_records({{37, "if (x > y) z = w", 3}, {s() + 2, {}}, {s() + 3, {}}, {20037, {}, 0, 'T'}, {a() - 1, {}}});
  feed("  w = v\n");
  EXPECT_EQ(record_kinds(), (Kinds{37, s() + 2, s() + 3, 20037, a() - 1, 33, 0, a() - 1}));
  EXPECT_EQ(record(5).has_text, 'N');
}

TEST_F(ClassifierTest, SeparatorCarriesTheStatementAfterIt) {
  feed("  a = b; c = d\n");
  expect_records({{0, "a = b;"}, {a() - 1, {}}, {s(), " c = d", 1}, {a() - 1, {}}});
}

TEST_F(ClassifierTest, SeparatorAtTheLineEndHasNoText) {
  feed("  a = b;\n");
  expect_records({{0, "a = b;"}, {a() - 1, {}}, {s(), {}}});
}

TEST_F(ClassifierTest, TrailingCommentEndsTheTextAndGetsNoRecord) {
  feed("  y = z ! note\n");
  expect_records({{0, "y = z "}, {a() - 1, {}}});
  feed("  ! only a comment\n");
  EXPECT_EQ(ws.stmt_count, 2u);
}

TEST_F(ClassifierTest, ProgramUnitHeadIsPlainTextFollowedByItsWords) {
  feed("  subroutine s(a)\n");
  expect_records({{0, "subroutine s(a)"}, {s() + 4, {}}, {s() + 2, {}}, {s() + 3, {}}});
  EXPECT_EQ(record(0).statement_number, 0u);
  EXPECT_EQ(record(1).statement_number, 1u);
}

TEST_F(ClassifierTest, BlankCommentAndEmptyLinesAddNothing) {
  feed("\n   \t \nc fixed-form comment\n* another\n");
  EXPECT_EQ(ws.stmt_count, 0u);
}

TEST_F(ClassifierTest, LineWithoutMatchesIsOnePlainRecord) {
  feed("  integer :: x\n");
  expect_records({{0, "integer :: x"}});
  EXPECT_EQ(record(0).statement_number, 1u);
}

TEST_F(ClassifierTest, TextIsTakenAsWrittenWithItsCase) {
  feed("  CALL MixedCase(X)   \n");
  EXPECT_EQ(record_text(0), "CALL MixedCase(X)");
}

TEST_F(ClassifierTest, SpanOfAManyTokenRowSkipsTheMatchesItCovers) {
  feed("  do 10 i = 1, n\n");
  expect_records({{51, "do 10 i = 1, n", 3}});
}

TEST_F(ClassifierTest, CommentLineAddsOnlyTheOwedClosings) {
  feed("  if (x) y = 1\nc comment\n");
  EXPECT_EQ(record_kinds().back(), 33u);
  EXPECT_EQ(ws.stmt_count, kMeridolEdition ? 6u : 7u);
}

// ---- One-line IF and WHERE ---------------------------------------------------

TEST_F(ClassifierTest, EndIfIsPostponedOverContinuationLines) {
  feed("  if (x) y = &\n  & z\n  & + 1\n  w = v\n");
  const Kinds kinds = record_kinds();
  const auto end_if = std::find(kinds.begin(), kinds.end(), 33u);
  ASSERT_NE(end_if, kinds.end());
  EXPECT_EQ(kinds.end() - end_if, 3);  // END IF, then "w = v" and its "="
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 33u), 1);
}

TEST_F(ClassifierTest, ThenWithFurtherTextIsAOneLineIf) {
  feed("  if (x) then y = 1\n  z = 2\n");
  const Kinds kinds = record_kinds();
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 33u), 1);
  feed("  if (x) then   \n  z = 2\n");
  const Kinds more = record_kinds();
  EXPECT_EQ(std::count(more.begin(), more.end(), 33u), 1);
}

TEST_F(ClassifierTest, ThenFollowedBySeparatorIsAOneLineIf) {
  feed("  if (c) then ; x = y\n  z = 1\n");
  const Kinds kinds = record_kinds();
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 33u), 1);
}

TEST_F(ClassifierTest, WhereOwesEndWhereOnlyWhenSomethingCountsAfterTheMask) {
  feed("  where (m) b(:) = c\n  x = 1\n");
  Kinds kinds = record_kinds();
  EXPECT_EQ(kinds[7], 21u) << ::testing::PrintToString(kinds);
  TearDown();
  SetUp();
  feed("  where (m) b = c\n  x = q\n");
  kinds = record_kinds();
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 21u), 0);
  EXPECT_EQ(kinds, (Kinds{46, s() + 2, s() + 3, 20046, a() - 1, 0, a() - 1}));
}

TEST_F(ClassifierTest, EndWhereIsNeverPostponed) {
  feed("  where (m) b(:) = &\n  & c\n");
  EXPECT_EQ(record_kinds()[8], 21u);
}

// ---- Conditions ----------------------------------------------------------------

TEST_F(ClassifierTest, NestedBracketsCloseAtTheOuterBracket) {
  feed("  if (a(i) > 0) then\n");
  EXPECT_EQ(record_kinds(), (Kinds{37, s() + 2, s() + 2, s() + 3, s() + 3, 20037, 40}));
}

TEST_F(ClassifierTest, ConditionSpreadOverTwoLines) {
  feed("  if (a > &\n  & b) then\n");
  EXPECT_EQ(record_kinds(), (Kinds{37, s() + 2, a(), 0, a(), s() + 3, 20037, 40}));
  EXPECT_EQ(record_text(3), "& b) ");
}

TEST_F(ClassifierTest, KeywordInsideAnIdentifierLeavesTheConditionOpen) {
  feed("  if_flag = 1\n  call f(x)\n  y = 2\n  z = 3\n");
  const Kinds kinds = record_kinds();
  // The next bracket pair, the CALL's, closes the IF's "condition".
  const auto close = std::find(kinds.begin(), kinds.end(), 20037u);
  ASSERT_NE(close, kinds.end());
  EXPECT_EQ(*(close - 1), s() + 3);
  EXPECT_EQ(*(close - 3), 50u);
  // Then the "=" of "y = 2" decides: a one-line IF, closed before "z = 3".
  ASSERT_EQ(std::count(kinds.begin(), kinds.end(), 33u), 1);
  const auto end_if = std::find(kinds.begin(), kinds.end(), 33u);
  EXPECT_EQ(record_text(static_cast<std::uint32_t>(end_if - kinds.begin()) + 1), "z = 3");
}

TEST_F(ClassifierTest, ConditionKeywordInsideAConditionStartsOver) {
  feed("  if (a + while (b)) y = z\n");
  EXPECT_EQ(record_kinds(), (Kinds{37, s() + 2, 73, s() + 2, s() + 3, 20073, s() + 3, a() - 1}));
  EXPECT_EQ(record_text(0), "if (a + ");
}

TEST_F(ClassifierTest, SelectCaseAndWhileGetOnlyTheirCloseRecords) {
  feed("  select case (n)\n  case (1)\n  do while (x > y)\n  z = q\n");
  EXPECT_EQ(record_kinds(), (Kinds{41, s() + 2, s() + 3, 20041, 44, s() + 2, s() + 3, 20044, 72, 73, s() + 2,
                                   s() + 3, 20073, 0, a() - 1}));
}

// ---- Labelled DO loops --------------------------------------------------------

TEST_F(ClassifierTest, SharedLabelEndsBothLoops) {
  feed("  do 10 i = 1, n\n  do 10 j = 1, m\n  x = q\n10 continue\n  y = r\n");
  if (kMeridolEdition) {
    EXPECT_EQ(record_kinds(), (Kinds{51, 51, 0, 133, 74, 20035, 20035, 0, 133}));
  } else {
    EXPECT_EQ(record_kinds(), (Kinds{51, 51, 0, 123, 20035, 20035, 74, 0, 123}));
  }
  EXPECT_EQ(ws.label_depth, 0u);
  EXPECT_EQ(record(kMeridolEdition ? 5 : 4).marker, 'E');
}

TEST_F(ClassifierTest, LabelWithCommaIsNeverEnded) {
  feed("  do 20 k = 1, 3\n  do 10, i = 1, n\n10 continue\n20 continue\n");
  const Kinds kinds = record_kinds();
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 20035u), 0);
  EXPECT_EQ(ws.label_depth, 2u);
  EXPECT_STREQ(ws.label_stack[2], "10,  ");
}

TEST_F(ClassifierTest, LabelAtTheLineEndKeepsTheLineFeed) {
  feed("  do 10\n10 continue\n");
  EXPECT_EQ(ws.label_depth, 1u);
  EXPECT_STREQ(ws.label_stack[1], "10\n");  // the NUL after the line feed is copied too
}

TEST_F(ClassifierTest, LabelledEndDo) {
  feed("  do 10 i = 1, n\n10 end do\n  y = r\n");
  if (kMeridolEdition) {
    EXPECT_EQ(record_kinds(), (Kinds{51, 94, 20035, 0, 133}));
    EXPECT_EQ(record_text(1), "10 end do");
  } else {
    // Not recognised as labelled: the label is leading text, the loop stays open.
    EXPECT_EQ(record_kinds(), (Kinds{51, 0, 35, 0, 123}));
    EXPECT_EQ(record_text(1), "10 ");
    EXPECT_EQ(ws.label_depth, 1u);
  }
}

TEST_F(ClassifierTest, LabelledEndDoThatEndsNoLoop) {
  feed("10 end do\n  y = r\n");
  if (kMeridolEdition) {
    EXPECT_EQ(record_kinds(), (Kinds{35, 0, 133}));
  } else {
    EXPECT_EQ(record_kinds(), (Kinds{0, 35, 0, 123}));
  }
}

TEST_F(ClassifierTest, SorvaneEndDoLeavesALabelThatALaterContinueEnds) {
  if (kMeridolEdition) GTEST_SKIP() << "the Meridol edition ends the loop at its labelled END DO";
  feed("  do 10 i = 1, n\n10 end do\n  do 10 j = 1, n\n10 continue\n");
  const Kinds kinds = record_kinds();
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 20035u), 2);
  EXPECT_EQ(ws.label_depth, 0u);
}

TEST_F(ClassifierTest, AnyLabelledStatementEndsAMeridolLoop) {
  feed("  do 10 i = 1, n\n10 y = z\n  w = q\n");
  if (kMeridolEdition) {
    EXPECT_EQ(record_kinds(), (Kinds{51, 104, 133, 20035, 0, 133}));
    EXPECT_EQ(record_text(1), "10 y = z");
  } else {
    EXPECT_EQ(record_kinds(), (Kinds{51, 0, 123, 0, 123}));
    EXPECT_EQ(record_text(1), "10 y = z");
  }
}

TEST_F(ClassifierTest, MeridolLoopEndComesBeforeTheIfOfALabelledIf) {
  feed("  do 10 i = 1, n\n10 if (x) y = z\n");
  if (kMeridolEdition) {
    EXPECT_EQ(record_kinds(), (Kinds{51, 104, 20035, 37, 120, 121, 20037, 133}));
    EXPECT_EQ(record_text(1), "10 ");
  } else {
    EXPECT_EQ(record_kinds(), (Kinds{51, 0, 37, 110, 111, 20037, 123}));
  }
}

TEST_F(ClassifierTest, MeridolLoopEndsAreHeldBackAfterAContinuation) {
  if (!kMeridolEdition) GTEST_SKIP() << "Sorvane loop ends are appended at once";
  feed("  do 10 i = 1, n\n10 x = a + &\n  & b\n  y = 1\n  z = 2\n");
  const Kinds kinds = record_kinds();
  // Owed after the labelled statement; every flush point until "z = 2" follows an "&".
  EXPECT_EQ(kinds, (Kinds{51, 104, 133, 134, 0, 134, 0, 133, 20035, 0, 133}));
}

TEST_F(ClassifierTest, OwedLoopEndsAtTheEndOfInputGiveNoRecord) {
  feed("  do 10 i = 1, n\n10 continue\n");
  EXPECT_EQ(record_kinds(), kMeridolEdition ? (Kinds{51, 74}) : (Kinds{51, 20035, 74}));
}

// ---- The statement limit -------------------------------------------------------

TEST_F(ClassifierTest, TableIsNeverWrittenPastItsCapacity) {
  // Fill the table to one short of the limit, then a line with many records.
  ws.stmt_count = kStatementCapacity - 1;
  EXPECT_THROW(feed("  a(1) = b(2) + c(3); d(4) = e(5)\n"), FatalExit);
  EXPECT_EQ(ws.stmt_count, kStatementCapacity);
  EXPECT_EQ(shown_messages().back(), (ShownMessage{"Sorry", "プログラムの規模が大き過ぎます。"}));
}

}  // namespace
