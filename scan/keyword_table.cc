// The keyword pattern tables of both editions; the build compiles one.
//
// Pattern notation (see pattern_compiler.cc): tokens separated by blanks;
// a mark before or after a token says which characters may stand next to it
// in the source: '"' or ':' a blank or the line edge only, no mark also
// punctuation, '$' also "-", '@' anything.  '#' stands for a blank.
// The filler rows hold places in the numbering with the two-byte "─".
#include "scan/keyword_table.h"

#if KMT_EDITION_MERIDOL
const std::uint32_t keyword_row_count = 144;
#else
const std::uint32_t keyword_row_count = 134;
#endif

const char keyword_pattern_source[][kPatternSourceWidth] = {
    "@!@\n",                     //   0  @!@
    "$Rem\"\n",                  //   1  $Rem"
    "\"\x84\x9F\"\n",            //   2  "─"
    "\"\x84\x9F\"\n",            //   3  "─"
    "\"\x84\x9F\"\n",            //   4  "─"
    "\"\x84\x9F\"\n",            //   5  "─"
    "\"\x84\x9F\"\n",            //   6  "─"
    "\"end@  @subroutine\"\n",   //   7  "end@  @subroutine"
    "\"end@  @function\"\n",     //   8  "end@  @function"
    "\"\x84\x9F\"\n",            //   9  "─"
    "\"\x84\x9F\"\n",            //  10  "─"
    "\"end@  @program\"\n",      //  11  "end@  @program"
    "\"end@  @module\"\n",       //  12  "end@  @module"
    "\"end@  @interface\"\n",    //  13  "end@  @interface"
    "\"end@  @type\"\n",         //  14  "end@  @type"
    "\"\x84\x9F\"\n",            //  15  "─"
    "\"\x84\x9F\"\n",            //  16  "─"
    "\"\x84\x9F\"\n",            //  17  "─"
    "\"stop\"\n",                //  18  "stop"
    "\"exit\"\n",                //  19  "exit"
    "\"end@  @where\"\n",        //  20  "end@  @where"
    "\"inquire$\n",              //  21  "inquire$
    "\"endfile@\n",              //  22  "endfile@
    "\"rewind@\n",               //  23  "rewind@
    "\"backspace@\n",            //  24  "backspace@
    "\"open$\n",                 //  25  "open$
    "\"read$\n",                 //  26  "read$
    "\"print$\n",                //  27  "print$
    "\"write$\n",                //  28  "write$
    "\"close$\n",                //  29  "close$
    "\"\x84\x9F\"\n",            //  30  "─"
    "\"endif\"\n",               //  31  "endif"
    "\"end\"  \"if\"\n",         //  32  "end"  "if"
    "\"end@  @select\"\n",       //  33  "end@  @select"
    "\"end@  @do\"\n",           //  34  "end@  @do"
    "\"exit\"  \"do\"\n",        //  35  "exit"  "do"
    "\"if$\n",                   //  36  "if$
    "\"elseif$\n",               //  37  "elseif$
    "\"else\"  \"if$\n",         //  38  "else"  "if$
    "\"then\"\n",                //  39  "then"
    "\"select@  @case$\n",       //  40  "select@  @case$
    "\"case@  @default\"\n",     //  41  "case@  @default"
    "\"else\"\n",                //  42  "else"
    "\"case$\n",                 //  43  "case$
    "\"elsewhere$\n",            //  44  "elsewhere$
    "\"where$\n",                //  45  "where$
    "\"end\"\n",                 //  46  "end"
    "\"go@  @to\"\n",            //  47  "go@  @to"
    "\"return\"\n",              //  48  "return"
    "\"call\"\n",                //  49  "call"
    "\"do\"  \"1@  @=@\n",       //  50  "do"  "1@  @=@
    "\"do\"  \"2@  @=@\n",       //  51  "do"  "2@  @=@
    "\"do\"  \"3@  @=@\n",       //  52  "do"  "3@  @=@
    "\"do\"  \"4@  @=@\n",       //  53  "do"  "4@  @=@
    "\"do\"  \"5@  @=@\n",       //  54  "do"  "5@  @=@
    "\"do\"  \"6@  @=@\n",       //  55  "do"  "6@  @=@
    "\"do\"  \"7@  @=@\n",       //  56  "do"  "7@  @=@
    "\"do\"  \"8@  @=@\n",       //  57  "do"  "8@  @=@
    "\"do\"  \"9@  @=@\n",       //  58  "do"  "9@  @=@
    "\"do\"  \"0@  @=@\n",       //  59  "do"  "0@  @=@
    "\"do\"  @=@\n",             //  60  "do"  @=@
    "\"do\"  \"1@\n",            //  61  "do"  "1@
    "\"do\"  \"2@\n",            //  62  "do"  "2@
    "\"do\"  \"3@\n",            //  63  "do"  "3@
    "\"do\"  \"4@\n",            //  64  "do"  "4@
    "\"do\"  \"5@\n",            //  65  "do"  "5@
    "\"do\"  \"6@\n",            //  66  "do"  "6@
    "\"do\"  \"7@\n",            //  67  "do"  "7@
    "\"do\"  \"8@\n",            //  68  "do"  "8@
    "\"do\"  \"9@\n",            //  69  "do"  "9@
    "\"do\"  \"0@\n",            //  70  "do"  "0@
    "\"do\"\n",                  //  71  "do"
    "\"while$\n",                //  72  "while$
    "\"1@  \"continue\"\n",      //  73  "1@  "continue"
    "\"2@  \"continue\"\n",      //  74  "2@  "continue"
    "\"3@  \"continue\"\n",      //  75  "3@  "continue"
    "\"4@  \"continue\"\n",      //  76  "4@  "continue"
    "\"5@  \"continue\"\n",      //  77  "5@  "continue"
    "\"6@  \"continue\"\n",      //  78  "6@  "continue"
    "\"7@  \"continue\"\n",      //  79  "7@  "continue"
    "\"8@  \"continue\"\n",      //  80  "8@  "continue"
    "\"9@  \"continue\"\n",      //  81  "9@  "continue"
    "\"0@  \"continue\"\n",      //  82  "0@  "continue"
    "\"1@  \"format$\n",         //  83  "1@  "format$
    "\"2@  \"format$\n",         //  84  "2@  "format$
    "\"3@  \"format$\n",         //  85  "3@  "format$
    "\"4@  \"format$\n",         //  86  "4@  "format$
    "\"5@  \"format$\n",         //  87  "5@  "format$
    "\"6@  \"format$\n",         //  88  "6@  "format$
    "\"7@  \"format$\n",         //  89  "7@  "format$
    "\"8@  \"format$\n",         //  90  "8@  "format$
    "\"9@  \"format$\n",         //  91  "9@  "format$
    "\"0@  \"format$\n",         //  92  "0@  "format$
#if KMT_EDITION_MERIDOL
    "\"1@  \"end@  @do\"\n",     //  93  "1@  "end@  @do"
    "\"2@  \"end@  @do\"\n",     //  94  "2@  "end@  @do"
    "\"3@  \"end@  @do\"\n",     //  95  "3@  "end@  @do"
    "\"4@  \"end@  @do\"\n",     //  96  "4@  "end@  @do"
    "\"5@  \"end@  @do\"\n",     //  97  "5@  "end@  @do"
    "\"6@  \"end@  @do\"\n",     //  98  "6@  "end@  @do"
    "\"7@  \"end@  @do\"\n",     //  99  "7@  "end@  @do"
    "\"8@  \"end@  @do\"\n",     // 100  "8@  "end@  @do"
    "\"9@  \"end@  @do\"\n",     // 101  "9@  "end@  @do"
    "\"0@  \"end@  @do\"\n",     // 102  "0@  "end@  @do"
    "\"1@\n",                    // 103  "1@
    "\"2@\n",                    // 104  "2@
    "\"3@\n",                    // 105  "3@
    "\"4@\n",                    // 106  "4@
    "\"5@\n",                    // 107  "5@
    "\"6@\n",                    // 108  "6@
    "\"7@\n",                    // 109  "7@
    "\"8@\n",                    // 110  "8@
    "\"9@\n",                    // 111  "9@
    "\"0@\n",                    // 112  "0@
    "\"\x84\x9F\"\n",            // 113  "─"
    "\"\x84\x9F\"\n",            // 114  "─"
    "\"\x84\x9F\"\n",            // 115  "─"
    "\"\x84\x9F\"\n",            // 116  "─"
    "@;@\n",                     // 117  @;@
    "\"type$  @(@\n",            // 118  "type$  @(@
    "@(@\n",                     // 119  @(@
    "@)@\n",                     // 120  @)@
    "\"subroutine\"\n",          // 121  "subroutine"
    "\"function\"\n",            // 122  "function"
    "\"program\"\n",             // 123  "program"
    "\"module\"\n",              // 124  "module"
    "\"interface\"\n",           // 125  "interface"
    "\"type\"\n",                // 126  "type"
    "@==@\n",                    // 127  @==@
    "@<=@\n",                    // 128  @<=@
    "@>=@\n",                    // 129  @>=@
    "@/=@\n",                    // 130  @/=@
    "@.\"\n",                    // 131  @."
    "@=@\n",                     // 132  @=@
    "@&@\n",                     // 133  @&@
    "\"1\"\n",                   // 134  "1"
    "\"2\"\n",                   // 135  "2"
    "\"3\"\n",                   // 136  "3"
    "\"4\"\n",                   // 137  "4"
    "\"5\"\n",                   // 138  "5"
    "\"6\"\n",                   // 139  "6"
    "\"7\"\n",                   // 140  "7"
    "\"8\"\n",                   // 141  "8"
    "\"9\"\n",                   // 142  "9"
    "\"0\"\n",                   // 143  "0"
#else
    "\"\x84\x9F\"\n",            //  93  "─"
    "\"\x84\x9F\"\n",            //  94  "─"
    "\"\x84\x9F\"\n",            //  95  "─"
    "\"\x84\x9F\"\n",            //  96  "─"
    "\"\x84\x9F\"\n",            //  97  "─"
    "\"\x84\x9F\"\n",            //  98  "─"
    "\"\x84\x9F\"\n",            //  99  "─"
    "\"\x84\x9F\"\n",            // 100  "─"
    "\"\x84\x9F\"\n",            // 101  "─"
    "\"\x84\x9F\"\n",            // 102  "─"
    "\"\x84\x9F\"\n",            // 103  "─"
    "\"\x84\x9F\"\n",            // 104  "─"
    "\"\x84\x9F\"\n",            // 105  "─"
    "\"\x84\x9F\"\n",            // 106  "─"
    "@;@\n",                     // 107  @;@
    "\"type$  @(@\n",            // 108  "type$  @(@
    "@(@\n",                     // 109  @(@
    "@)@\n",                     // 110  @)@
    "\"subroutine\"\n",          // 111  "subroutine"
    "\"function\"\n",            // 112  "function"
    "\"program\"\n",             // 113  "program"
    "\"module\"\n",              // 114  "module"
    "\"interface\"\n",           // 115  "interface"
    "\"type\"\n",                // 116  "type"
    "@==@\n",                    // 117  @==@
    "@<=@\n",                    // 118  @<=@
    "@>=@\n",                    // 119  @>=@
    "@/=@\n",                    // 120  @/=@
    "@.\"\n",                    // 121  @."
    "@=@\n",                     // 122  @=@
    "@&@\n",                     // 123  @&@
    "\"1\"\n",                   // 124  "1"
    "\"2\"\n",                   // 125  "2"
    "\"3\"\n",                   // 126  "3"
    "\"4\"\n",                   // 127  "4"
    "\"5\"\n",                   // 128  "5"
    "\"6\"\n",                   // 129  "6"
    "\"7\"\n",                   // 130  "7"
    "\"8\"\n",                   // 131  "8"
    "\"9\"\n",                   // 132  "9"
    "\"0\"\n",                   // 133  "0"
#endif
};
