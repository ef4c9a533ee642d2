! expect: both
program text
  print *, 'call it; if then' ! and a comment with call
  s = "a \"quoted\" call"
  t = 'It''s done'
  u = 'first part &
    & then second'
  call after(u)
c fixed-form comment letter in column 0
d debugging line
* star comment
  x = y ! a /* inside a comment does nothing
  z = 'and /* inside a literal does'
  call never_drawn
end program text
