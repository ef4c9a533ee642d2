// The matcher's reference: the same scan as match_line, trying every
// compiled row at every column in table order, without the index.  The
// indexed scan must always agree with it.
#pragma once

void match_line_trying_every_row();
