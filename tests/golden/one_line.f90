! expect: both
subroutine one_line(x, y, m, b, c)
  if (x > 0) y = 1
  if (x > 0) y = &
    & 2
  if (x) then y = 3
  if (x) then ; y = 4
  where (m) b(:) = c
  where (m) b = c
  if (a(i) > 0) then
    a = 1; b = 2
    c = 3;
  end if
  if_flag = 1
  call f(x)
  y = 2
  z = 3
end subroutine one_line
