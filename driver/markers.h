// The state bytes that records and rows carry: printable characters, as the
// records have always held them.
#pragma once

// What a statement record or chart row stands for besides its kind; a line's
// line_flag is one too.
enum Marker : char {
  kMarkerUnset = '\0',          // a chart row filled from a saved row, or not yet built
  kMarkerOrdinary = ' ',        // an ordinary record
  kMarkerConditionClose = 'T',  // the close of a condition
  kMarkerLoopEnd = 'E',         // the end of a labelled DO loop
  kMarkerComment = 'C',         // made from a comment line
};

// Yes/no flags of a statement record.
enum YesNo : char { kNo = 'N', kYes = 'Y' };
