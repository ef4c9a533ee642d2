// Writes the composed chart to output_file.
#pragma once

// Writes a text row up to its terminator; each line feed becomes CR LF.
void write_chart_text(const char* text);

// Writes what is buffered and closes output_file.  Ends the run with the
// write-error message when any write or the close failed.
void finish_chart_file();
