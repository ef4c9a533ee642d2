#!/usr/bin/env python3
"""Generates Fortran sources that exercise every statement kind of the chart.

    generate_fortran.py --lines N [--seed S] [--chaos] [--output FILE] > source.f90

The plain mode writes well-formed nested program units (block IF, ELSE IF,
SELECT CASE, WHERE, counted, labelled and WHILE loops, I/O statements, calls,
one-line IF and WHERE, continuations, literals, comments, FORMAT).  --chaos
also mixes in unbalanced ends, odd spacing and letter case, stray quotes,
tabs, CR LF line ends and long lines, for differential and robustness runs.
"""
import argparse
import random
import sys


class Writer:
    def __init__(self, rng, chaos):
        self.rng = rng
        self.chaos = chaos
        self.lines = []
        self.label = 100

    def emit(self, depth, text):
        indent = "  " * (depth + 1)
        if self.chaos and self.rng.random() < 0.08:
            indent = self.rng.choice(["", " ", "\t", "   \t", "  " * self.rng.randint(0, 30)])
        if self.chaos and self.rng.random() < 0.1:
            text = "".join(c.upper() if self.rng.random() < 0.5 else c for c in text)
        self.lines.append(indent + text)

    def next_label(self):
        self.label += 10
        return str(self.label)

    def expr(self, numbers=True):
        r = self.rng
        names = ["x", "y", "n", "a(i)", "b(i, j)", "f(x)", "'text'", "z(:)"]
        if numbers:
            names.append("k + 1")
        if self.chaos:
            names.append('"a!b"')  # a "!" opens a comment even inside a literal
        ops = [" > ", " < ", " == ", " /= ", " <= ", " >= ", " .and. ", " + ", "*"]
        e = r.choice(names)
        for _ in range(r.randint(0, 2)):
            e += r.choice(ops) + r.choice(names)
        return e

    def simple(self, depth):
        r = self.rng
        choice = r.randint(0, 22)
        if choice < 5:
            self.emit(depth, "%s = %s" % (r.choice(["x", "y(i)", "s%v", "t"]), self.expr()))
        elif choice < 8:
            self.emit(depth, "call sub%d(%s)" % (r.randint(1, 9), self.expr()))
        elif choice == 8:
            self.emit(depth, "read (5, *) x, y")
        elif choice == 9:
            self.emit(depth, "write (6, '(a)') 'call if then'")
        elif choice == 10:
            self.emit(depth, "print *, 'value', x ! trailing if")
        elif choice == 11:
            self.emit(depth, r.choice(["open (10, file='a.dat')", "close (10)", "rewind 10", "backspace 10",
                                       "endfile 10", "inquire (file='b', exist=e)"]))
        elif choice == 12:
            self.emit(depth, "if (%s) %s" % (self.expr(), r.choice(["x = 1", "call s", "return", "stop",
                                                                   "go to 10", "exit"])))
        elif choice == 13:
            self.emit(depth, "where (m) b(:) = c")
        elif choice == 14:
            self.emit(depth, "x = a + &")
            self.emit(depth + 1, "& b * c")
        elif choice == 15:
            self.emit(depth, "s = 'first part &")
            self.emit(depth + 1, "& second part'")
        elif choice == 16:
            self.emit(depth, "a = 1; b = 2")
        elif choice == 17:
            self.lines.append(r.choice(["c fixed-form comment", "! free comment", "* star comment", ""]))
        elif choice == 18:
            self.emit(depth, "integer :: i, j, k")
        elif choice == 19:
            self.emit(depth, "%s format (a, i5)" % self.next_label())
        elif choice == 20:
            self.emit(depth, "if (x > 0) y = &")
            self.emit(depth + 1, "& 2")
        elif choice == 21:
            self.emit(depth, "go to 10")
        else:
            self.emit(depth, "x = y  ! note")

    def block(self, depth, budget):
        r = self.rng
        while budget > 0 and len(self.lines) < self.limit:
            # Blocks grow rarer with depth, so units stay about a hundred lines
            # long and nest a few levels deep, as real sources do.
            nests = depth < 12 and r.random() < 0.6 ** depth
            kind = r.randint(0, 12) if nests else 0
            budget -= 1
            if kind <= 5:
                self.simple(depth)
            elif kind == 6:
                self.emit(depth, "if (%s) then" % self.expr())
                self.block(depth + 1, r.randint(1, 4))
                for _ in range(r.randint(0, 2)):
                    self.emit(depth, "else if (%s) then" % self.expr())
                    self.block(depth + 1, r.randint(1, 3))
                if r.random() < 0.6:
                    self.emit(depth, "else")
                    self.block(depth + 1, r.randint(1, 3))
                self.emit(depth, r.choice(["end if", "endif"]))
            elif kind == 7:
                self.emit(depth, "do i = 1, n")
                self.block(depth + 1, r.randint(1, 4))
                self.emit(depth, r.choice(["end do", "enddo"]))
            elif kind == 8:
                label = self.next_label()
                self.emit(depth, "do %s k = 1, m" % label)
                self.block(depth + 1, r.randint(1, 3))
                self.lines.append("%s continue" % label)
            elif kind == 9:
                # A number after a blank would make the DO WHILE read as a labelled DO.
                self.emit(depth, "do while (%s)" % self.expr(numbers=self.chaos))
                self.block(depth + 1, r.randint(1, 3))
                self.emit(depth, "end do")
            elif kind == 10:
                self.emit(depth, "select case (n)")
                for _ in range(r.randint(1, 3)):
                    self.emit(depth, "case (%d)" % r.randint(1, 9))
                    self.block(depth + 1, r.randint(0, 2))
                if r.random() < 0.5:
                    self.emit(depth, "case default")
                    self.block(depth + 1, r.randint(1, 2))
                self.emit(depth, "end select")
            elif kind == 11:
                self.emit(depth, "where (mask)")
                self.block(depth + 1, r.randint(1, 2))
                self.emit(depth, "elsewhere")
                self.block(depth + 1, 1)
                self.emit(depth, "end where")
            else:
                self.emit(depth, "do")
                self.block(depth + 1, r.randint(1, 3))
                self.emit(depth, "if (x > 9) exit")
                self.emit(depth, "end do")
            if self.chaos:
                self.chaos_line(depth)

    def chaos_line(self, depth):
        r = self.rng
        if r.random() > 0.15:
            return
        self.emit(depth, r.choice([
            "end do", "end if", "else", "case (2)", "end select", "end program", "end subroutine",
            "end", "elsewhere", "end where", "10 end do", "10 x = 1", "10 if (x) y = z", "do 10, i = 1, n",
            "do 10", "if_flag = 1", "if (a .or. while (b)) y = z", "x = 'unterminated",
            "y = \"esc\\\"aped\" ; z = 1", "/* block comment */", "\x84\x9f", "a(1) = b(2) + c(3); d = 1",
            "then", "if (x) then ; y = 1", "x" * r.randint(140, 420), "&", "& 5, b)", ";", "call" + "(" * 20,
            ")" * 30, "do 20 i = 1, 3", "20 continue", "type point", "end type",
        ]))

    def unit(self, budget):
        r = self.rng
        form = r.choice(["program", "subroutine", "function", "module"])
        name = "u%d" % len(self.lines)
        if form == "program":
            self.lines.append("program %s" % name)
        elif form == "module":
            self.lines.append("module %s" % name)
            self.emit(0, "interface")
            self.emit(1, "subroutine ext(a)")
            self.emit(2, "real :: a")
            self.emit(1, "end subroutine ext")
            self.emit(0, "end interface")
            self.emit(0, "type point")
            self.emit(1, "real :: x, y")
            self.emit(0, "end type point")
            self.lines.append("contains")
            self.lines.append("  subroutine inner_%s(p)" % name)
            self.block(1, budget)
            self.lines.append("  end subroutine inner_%s" % name)
            self.lines.append("end module %s" % name)
            return
        elif form == "function":
            self.lines.append("  integer function %s(x)" % name)
        else:
            self.lines.append("  subroutine %s(a, b)" % name)
        self.block(0, budget)
        if form == "function":
            self.emit(0, "return")
            self.lines.append("  end function %s" % name)
        elif form == "program":
            self.lines.append("end program %s" % name)
        else:
            self.lines.append("  end subroutine %s" % name)


def generate(lines, seed, chaos):
    writer = Writer(random.Random(seed), chaos)
    writer.limit = lines
    while len(writer.lines) < lines:
        writer.unit(writer.rng.randint(5, 40))
    text_lines = writer.lines[:lines] if chaos else writer.lines
    if chaos and writer.rng.random() < 0.3:
        return "\r\n".join(text_lines) + "\r\n"
    return "\n".join(text_lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--lines", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--chaos", action="store_true")
    parser.add_argument("--output", help="write the source to this file instead of standard output")
    args = parser.parse_args()
    source = generate(args.lines, args.seed, args.chaos).encode("latin-1")
    if args.output:
        with open(args.output, "wb") as file:
            file.write(source)
    else:
        sys.stdout.buffer.write(source)


if __name__ == "__main__":
    main()
