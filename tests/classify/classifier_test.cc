#include "classify/classifier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "classify/statement_records.h"
#include "tests/support/conversion_fixture.h"

namespace {

using ClassifierTest = ConversionTest;

std::size_t count_of(const std::vector<std::string>& dump, const std::string& line) {
  return static_cast<std::size_t>(std::count(dump.begin(), dump.end(), line));
}

TEST_F(ClassifierTest, AssignmentAndCall) {
  feed("  x = y\n  Call Sub(a, b)\n");
  EXPECT_RECORDS(R"~(
    Text "x = y"
    Equals
    Call "Call Sub(a, b)" +5
    OpenParen
    CloseParen
  )~");
}

TEST_F(ClassifierTest, FlagsAndNumbersOfEachKindOfRecord) {
  feed("  subroutine s(a)\n  call f\n  x = y\n");
  // The unit head: text without a number, then its words, numbered from 1.
  EXPECT_EQ(record(0).statement_number, 0u);
  EXPECT_EQ(record(1).statement_number, 1u);
  const StatementRecord& call = record(4);
  EXPECT_EQ(call.kind, kRowCall);
  EXPECT_EQ(call.has_text, kYes);
  EXPECT_EQ(call.keyword_flag, kYes);
  EXPECT_EQ(call.statement_number, 4u);
  // Text before a keyword has no number; the "=" after it has the next one.
  const StatementRecord& text = record(5);
  EXPECT_EQ(text.keyword_flag, kNo);
  EXPECT_EQ(text.statement_number, 0u);
  const StatementRecord& equals = record(6);
  EXPECT_EQ(equals.statement_number, 5u);
  EXPECT_EQ(equals.has_text, kNo);
  EXPECT_EQ(equals.text_length, 0u);
  EXPECT_STREQ(statement_text(equals), "\n");
}

TEST_F(ClassifierTest, BlockIfWithConditionClose) {
  feed("  if (x > y) then\n  z = w\n");
  EXPECT_RECORDS(R"~(
    If "if (x > y) " +3
    OpenParen
    CloseParen
    IfClose [T]
    Then "then" +4
    Text "z = w"
    Equals
  )~");
}

TEST_F(ClassifierTest, OneLineIfOwesAnEndIfBeforeTheNextLine) {
  feed("  if (x > y) z = w\n  w = v\n");
  EXPECT_RECORDS(R"~(
    If "if (x > y) z = w" +3
    OpenParen
    CloseParen
    IfClose [T]
    Equals
    EndIf
    Text "w = v"
    Equals
  )~");
}

TEST_F(ClassifierTest, SeparatorCarriesTheStatementAfterIt) {
  feed("  a = b; c = d\n  a = b;\n");
  EXPECT_RECORDS(R"~(
    Text "a = b;"
    Equals
    Semicolon " c = d" +1
    Equals
    Text "a = b;"
    Equals
    Semicolon
  )~");
}

TEST_F(ClassifierTest, CommentsEndTheTextAndGetNoRecord) {
  feed("  y = z ! note\n  ! only a comment\n\n   \t \nc fixed-form comment\n* another\n");
  EXPECT_RECORDS(R"~(
    Text "y = z "
    Equals
  )~");
}

TEST_F(ClassifierTest, ProgramUnitHeadIsPlainTextFollowedByItsWords) {
  feed("  subroutine s(a)\n  integer :: x\n");
  EXPECT_RECORDS(R"~(
    Text "subroutine s(a)"
    Subroutine
    OpenParen
    CloseParen
    Text "integer :: x"
  )~");
}

TEST_F(ClassifierTest, TextIsTakenAsWrittenWithItsCase) {
  feed("  CALL MixedCase(X)   \n");
  EXPECT_EQ(record_text(0), "CALL MixedCase(X)");
}

TEST_F(ClassifierTest, SpanOfAManyTokenRowSkipsTheMatchesItCovers) {
  feed("  do 10 i = 1, n\n");
  EXPECT_RECORDS(R"~(LabelledCountedDo1 "do 10 i = 1, n" +3)~");
}

TEST_F(ClassifierTest, CommentLineAddsOnlyTheOwedClosings) {
  feed("  if (x) y = t\nc comment\n");
  EXPECT_EQ(dump_records().back(), "EndIf");
  EXPECT_EQ(ws.records.stmt_count, 6u);
}

// ---- One-line IF and WHERE ---------------------------------------------------

TEST_F(ClassifierTest, EndIfIsPostponedOverContinuationLines) {
  feed("  if (x) y = &\n  & z\n  & + t\n  w = v\n");
  EXPECT_RECORDS(R"~(
    If "if (x) y = &" +3
    OpenParen
    CloseParen
    IfClose [T]
    Equals
    Ampersand
    Text "& z"
    Ampersand
    Text "& + t"
    Ampersand
    EndIf
    Text "w = v"
    Equals
  )~");
}

TEST_F(ClassifierTest, ThenWithFurtherTextOrAMatchAfterItIsAOneLineIf) {
  feed("  if (x) then y = t\n  z = u\n");
  EXPECT_EQ(count_of(dump_records(), "EndIf"), 1u);
  feed("  if (x) then   \n  z = u\n");
  EXPECT_EQ(count_of(dump_records(), "EndIf"), 1u);  // trailing blanks are no text
  feed("  if (c) then ; x = y\n  z = t\n");
  EXPECT_EQ(count_of(dump_records(), "EndIf"), 2u);
}

TEST_F(ClassifierTest, WhereOwesEndWhereOnlyWhenSomethingCountsAfterTheMask) {
  feed("  where (m) b(:) = c\n  x = t\n");
  EXPECT_RECORDS(R"~(
    Where "where (m) b(:) = c" +6
    OpenParen
    CloseParen
    WhereClose [T]
    OpenParen
    CloseParen
    Equals
    EndWhere
    Text "x = t"
    Equals
  )~");
}

TEST_F(ClassifierTest, AnAssignmentAfterTheMaskOwesNothing) {
  feed("  where (m) b = c\n  x = q\n");
  EXPECT_RECORDS(R"~(
    Where "where (m) b = c" +6
    OpenParen
    CloseParen
    WhereClose [T]
    Equals
    Text "x = q"
    Equals
  )~");
}

TEST_F(ClassifierTest, EndWhereIsNeverPostponed) {
  feed("  where (m) b(:) = &\n  & c\n");
  EXPECT_EQ(dump_record(8), "EndWhere");
}

// ---- Conditions ----------------------------------------------------------------

TEST_F(ClassifierTest, NestedBracketsCloseAtTheOuterBracket) {
  feed("  if (a(i) > 0) then\n");
  EXPECT_RECORDS(R"~(
    If "if (a(i) > 0) " +3
    OpenParen
    OpenParen
    CloseParen
    CloseParen
    IfClose [T]
    Then "then" +4
  )~");
}

TEST_F(ClassifierTest, ConditionSpreadOverTwoLines) {
  feed("  if (a > &\n  & b) then\n");
  EXPECT_RECORDS(R"~(
    If "if (a > &" +3
    OpenParen
    Ampersand
    Text "& b) "
    Ampersand
    CloseParen
    IfClose [T]
    Then "then" +4
  )~");
}

TEST_F(ClassifierTest, KeywordInsideAnIdentifierLeavesTheConditionOpen) {
  feed("  if_flag = t\n  call f(x)\n  y = u\n  z = v\n");
  // The next bracket pair, the CALL's, closes the IF's "condition"; then the
  // "=" of "y = u" decides: a one-line IF, closed before "z = v".
  EXPECT_RECORDS(R"~(
    If "if_flag = t" +2
    Equals
    Call "call f(x)" +5
    OpenParen
    CloseParen
    IfClose [T]
    Text "y = u"
    Equals
    EndIf
    Text "z = v"
    Equals
  )~");
}

TEST_F(ClassifierTest, ConditionKeywordInsideAConditionStartsOver) {
  feed("  if (a + while (b)) y = z\n");
  EXPECT_RECORDS(R"~(
    If "if (a + " +3
    OpenParen
    While "while (b)) y = z" +6
    OpenParen
    CloseParen
    WhileClose [T]
    CloseParen
    Equals
  )~");
}

TEST_F(ClassifierTest, SelectCaseAndWhileGetOnlyTheirCloseRecords) {
  feed("  select case (n)\n  case (k)\n  do while (x > y)\n  z = q\n");
  EXPECT_RECORDS(R"~(
    SelectCase "select case (n)" +7
    OpenParen
    CloseParen
    SelectCaseClose [T]
    Case "case (k)" +5
    OpenParen
    CloseParen
    CaseClose [T]
    Do "do " +3
    While "while (x > y)" +6
    OpenParen
    CloseParen
    WhileClose [T]
    Text "z = q"
    Equals
  )~");
}

// ---- Labelled DO loops --------------------------------------------------------

TEST_F(ClassifierTest, SharedLabelEndsBothLoops) {
  feed("  do 10 i = 1, n\n  do 10 j = 1, m\n  x = q\n10 continue\n  y = r\n");
  if (kMeridolEdition) {
    // The loop ends follow the CONTINUE, first among the next statement's records.
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      LabelledCountedDo1 "do 10 j = 1, m" +3
      Text "x = q"
      Equals
      LabelledContinue1 "10 continue" +1
      LoopEnd [E]
      LoopEnd [E]
      Text "y = r"
      Equals
    )~");
  } else {
    // The loop ends come at once, before the CONTINUE's own record.
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      LabelledCountedDo1 "do 10 j = 1, m" +3
      Text "x = q"
      Equals
      LoopEnd [E]
      LoopEnd [E]
      LabelledContinue1 "10 continue" +1
      Text "y = r"
      Equals
    )~");
  }
  EXPECT_EQ(ws.tracking.label_depth, 0u);
}

TEST_F(ClassifierTest, LabelWithCommaIsNeverEnded) {
  feed("  do 20 k = 1, 3\n  do 10, i = 1, n\n10 continue\n20 continue\n");
  EXPECT_EQ(count_of(dump_records(), "LoopEnd [E]"), 0u);
  EXPECT_EQ(ws.tracking.label_depth, 2u);
  EXPECT_STREQ(ws.tracking.label_stack[2], "10,  ");
}

TEST_F(ClassifierTest, LabelsAreComparedInAllFiveCharacters) {
  feed("  do 12345 i = 1, n\n12346 continue\n  x = y\n");
  EXPECT_EQ(ws.tracking.label_depth, 1u);
  EXPECT_EQ(count_of(dump_records(), "LoopEnd [E]"), 0u);
  feed("12345 continue\n  x = y\n");
  EXPECT_EQ(ws.tracking.label_depth, 0u);
  EXPECT_EQ(count_of(dump_records(), "LoopEnd [E]"), 1u);
  // Only the first five characters are a label's: 123456 ends the loop of 12345.
  feed("  do 12345 i = 1, n\n123456 continue\n");
  EXPECT_EQ(ws.tracking.label_depth, 0u);
}

TEST_F(ClassifierTest, LabelAtTheLineEndKeepsTheLineFeed) {
  feed("  do 10\n10 continue\n");
  EXPECT_EQ(ws.tracking.label_depth, 1u);
  EXPECT_STREQ(ws.tracking.label_stack[1], "10\n");  // the NUL after the line feed is copied too
}

TEST_F(ClassifierTest, LabelledEndDo) {
  feed("  do 10 i = 1, n\n10 end do\n  y = r\n");
  if (kMeridolEdition) {
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      LabelledEndDo1 "10 end do" +1
      LoopEnd [E]
      Text "y = r"
      Equals
    )~");
  } else {
    // Not recognised as labelled: the label is leading text, the loop stays open.
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      Text "10 "
      EndDo "end do" +4
      Text "y = r"
      Equals
    )~");
    EXPECT_EQ(ws.tracking.label_depth, 1u);
  }
}

TEST_F(ClassifierTest, LabelledEndDoThatEndsNoLoop) {
  feed("10 end do\n  y = r\n");
  if (kMeridolEdition) {
    EXPECT_RECORDS(R"~(
      EndDo "10 end do" +1
      Text "y = r"
      Equals
    )~");
  } else {
    EXPECT_RECORDS(R"~(
      Text "10 "
      EndDo "end do" +4
      Text "y = r"
      Equals
    )~");
  }
}

TEST_F(ClassifierTest, SorvaneEndDoLeavesALabelThatALaterContinueEnds) {
  feed("  do 10 i = 1, n\n10 end do\n  do 10 j = 1, n\n10 continue\n");
  EXPECT_EQ(count_of(dump_records(), "LoopEnd [E]"), kMeridolEdition ? 1u : 2u);
  EXPECT_EQ(ws.tracking.label_depth, 0u);
}

TEST_F(ClassifierTest, AnyLabelledStatementEndsAMeridolLoop) {
  feed("  do 10 i = 1, n\n10 y = z\n  w = q\n");
  if (kMeridolEdition) {
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      Label1 "10 y = z" +1
      Equals
      LoopEnd [E]
      Text "w = q"
      Equals
    )~");
  } else {
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      Text "10 y = z"
      Equals
      Text "w = q"
      Equals
    )~");
  }
}

TEST_F(ClassifierTest, MeridolLoopEndComesBeforeTheIfOfALabelledIf) {
  feed("  do 10 i = 1, n\n10 if (x) y = z\n");
  if (kMeridolEdition) {
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      Label1 "10 " +1
      LoopEnd [E]
      If "if (x) y = z" +3
      OpenParen
      CloseParen
      IfClose [T]
      Equals
    )~");
  } else {
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      Text "10 "
      If "if (x) y = z" +3
      OpenParen
      CloseParen
      IfClose [T]
      Equals
    )~");
  }
}

TEST_F(ClassifierTest, MeridolLoopEndsAreHeldBackAfterAContinuation) {
  feed("  do 10 i = 1, n\n10 x = a + &\n  & b\n  y = t\n  z = u\n");
  if (!kMeridolEdition) {
    EXPECT_EQ(count_of(dump_records(), "LoopEnd [E]"), 0u);
    return;
  }
  // Owed after the labelled statement; every flush point until "z = u" follows an "&".
  EXPECT_RECORDS(R"~(
    LabelledCountedDo1 "do 10 i = 1, n" +3
    Label1 "10 x = a + &" +1
    Equals
    Ampersand
    Text "& b"
    Ampersand
    Text "y = t"
    Equals
    LoopEnd [E]
    Text "z = u"
    Equals
  )~");
}

TEST_F(ClassifierTest, OwedLoopEndsAtTheEndOfInputGiveNoRecord) {
  feed("  do 10 i = 1, n\n10 continue\n");
  if (kMeridolEdition) {
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      LabelledContinue1 "10 continue" +1
    )~");
  } else {
    EXPECT_RECORDS(R"~(
      LabelledCountedDo1 "do 10 i = 1, n" +3
      LoopEnd [E]
      LabelledContinue1 "10 continue" +1
    )~");
  }
}

// ---- The statement limit -------------------------------------------------------

TEST_F(ClassifierTest, TableIsNeverWrittenPastItsCapacity) {
  // Fill the table to one short of the limit, then a line with many records.
  ws.records.stmt_count = kStatementCapacity - 1;
  EXPECT_THROW(feed("  a(1) = b(2) + c(3); d(4) = e(5)\n"), FatalExit);
  EXPECT_EQ(ws.records.stmt_count, kStatementCapacity);
  EXPECT_EQ(shown_messages().back(), (ShownMessage{"Sorry", "プログラムの規模が大き過ぎます。"}));
}

}  // namespace

namespace {

// Every record knows the physical source line it was appended for: CR LF
// counts once, a lone CR ends no line, the pieces of a long line share its
// number, an owed END IF belongs to the line that pays it.
TEST_F(ClassifierTest, RecordsKnowTheirSourceLines) {
  std::string source = "subroutine s\r\n  x = p\r  y = q\n  call f(" + std::string(160, 'a') + ")\n";
  source += "  if (x) y = r\n  z = t\n  do 10 i = 1, n\n10 continue\n  w = u\n";
  feed(source);
  std::vector<std::string> lines;
  for (std::uint32_t i = 0; i < ws.records.stmt_count; ++i) {
    lines.push_back(std::to_string(record(i).source_line) + " " + kind_name(record(i).kind));
  }
  const std::vector<std::string> common = {"1 Text",  "1 Subroutine", "2 Text",   "2 Equals", "2 Equals",
                                           "3 Call",  "3 OpenParen",  "3 Text",   "3 CloseParen",
                                           "4 If",    "4 OpenParen",  "4 CloseParen", "4 IfClose", "4 Equals",
                                           "5 EndIf", "5 Text",       "5 Equals", "6 LabelledCountedDo1"};
  std::vector<std::string> expected = common;
  if (kMeridolEdition) {
    expected.insert(expected.end(), {"7 LabelledContinue1", "8 LoopEnd", "8 Text", "8 Equals"});
  } else {
    expected.insert(expected.end(), {"7 LoopEnd", "7 LabelledContinue1", "8 Text", "8 Equals"});
  }
  EXPECT_EQ(lines, expected);
}

// A record says its text may hold a NUL or a line feed exactly when it
// does, whatever the line holds and wherever a text of it ends: composition
// searches only the lines of such texts.
TEST_F(ClassifierTest, RecordsKnowWhetherTheirTextsHoldANulOrALineFeed) {
  using namespace std::string_literals;
  feed("  x = 'a\0b'\n  call f(\0)\n\0\n  y = 1 \0\n  do 10 i = 1, n\n10 continue\n"s
       "! note\0 here\n  z = w\r  if (p) q = r\n  s = '"s + std::string(160, 'b') + "'\n  t = u"s);
  ASSERT_GT(ws.records.stmt_count, 20u);
  for (std::uint32_t i = 0; i < ws.records.stmt_count; ++i) {
    const std::string text(statement_text(record(i)), record(i).text_length);
    const bool holds = text.find('\0') != std::string::npos || text.find('\n') != std::string::npos;
    EXPECT_EQ(record(i).text_may_break, holds) << "record " << i << " " << dump_records()[i];
  }
}

}  // namespace
