// The legend, drawn from the glyph tables the chart itself is drawn from.
#include "app/legend.h"

#include "chart/glyphs.h"

namespace {

struct LegendEntry {
  const char* shown;
  const char* meaning;
};

// Captions: the first glyph is the flowchart symbol, the two kanji name the
// statement.
const LegendEntry kCaptions[] = {
    {kind_symbol_shown[kCaptionIf], "decision: IF, ELSE IF, WHERE"},
    {kind_symbol_shown[kCaptionThen], "the branch taken when the condition holds (THEN)"},
    {kind_symbol_shown[kCaptionElse], "the branch taken when it does not (ELSE, ELSEWHERE)"},
    {kind_symbol_shown[kCaptionEndIf], "end of a decision (END IF, END WHERE)"},
    {kind_symbol_shown[kCaptionSelectCase], "selection: SELECT CASE"},
    {kind_symbol_shown[kCaptionCase], "a case: CASE"},
    {kind_symbol_shown[kCaptionCaseDefault], "the other cases: CASE DEFAULT"},
    {kind_symbol_shown[kCaptionEndSelect], "end of a selection: END SELECT"},
    {kind_symbol_shown[kCaptionDo], "loop: DO"},
    {kind_symbol_shown[kCaptionWhile], "loop condition: WHILE"},
    {kind_symbol_shown[kCaptionEndDo], "end of a loop: END DO"},
    {kind_symbol_shown[kCaptionCall], "call: CALL"},
    {kind_symbol_shown[kCaptionAssign], "assignment"},
    {kind_symbol_shown[kCaptionRead], "input: READ"},
    {kind_symbol_shown[kCaptionWrite], "output: WRITE, PRINT"},
    {kind_symbol_shown[kCaptionOpen], "open a file: OPEN"},
    {kind_symbol_shown[kCaptionClose], "close a file: CLOSE"},
    {kind_symbol_shown[kCaptionInquire], "ask about a file: INQUIRE"},
    {kind_symbol_shown[kCaptionRewind], "rewind a file: REWIND"},
    {kind_symbol_shown[kCaptionBackspace], "step back in a file: BACKSPACE"},
    {kind_symbol_shown[kCaptionEndfile], "write an end of file: ENDFILE"},
    {kind_symbol_shown[kCaptionReturn], "return: RETURN"},
    {kind_symbol_shown[kCaptionGoTo], "jump: GO TO"},
    {kind_symbol_shown[kCaptionExit], "leave a loop: EXIT"},
    {kind_symbol_shown[kCaptionStop], "stop the program: STOP"},
};

// The glyphs of blocks, labels and brackets.
const LegendEntry kGlyphs[] = {
    {cell4_shown[kPiece4UnitOpen], "start of a SUBROUTINE or FUNCTION (▲▲ its end)"},
    {cell4_shown[kPiece4BlockOpen], "start of a PROGRAM, MODULE, INTERFACE or TYPE (△△ its end)"},
    {cell2_shown[kGlyphLabel], "a labelled statement: CONTINUE (in the Meridol edition any label)"},
    {cell2_shown[kGlyphFormat], "a labelled FORMAT"},
    {kind_symbol_shown[kPieceDecide], "a decision opens the column to its right"},
    {kind_symbol_shown[kPieceJoin], "a branch joins the column it left"},
    {cell2_shown[kGlyphCornerTop], "a branch leaves for the bracket line on the right (┤ joins one, ┘ returns)"},
    {cell4_shown[kPiece4ReturnArrow], "a loop's return line"},
};

void append_entries(std::string& text, const LegendEntry* entries, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    text.append("  ").append(entries[i].shown).append("  ").append(entries[i].meaning).append("\n");
  }
}

}  // namespace

std::string legend_text() {
  std::string text = "Captions:\n";
  append_entries(text, kCaptions, std::size(kCaptions));
  text += "Glyphs:\n";
  append_entries(text, kGlyphs, std::size(kGlyphs));
  return text;
}
