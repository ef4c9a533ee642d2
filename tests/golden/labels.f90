! expect: sorvane meridol
subroutine labels
  do 10 i = 1, n
    do 10 j = 1, m
      x = y
10 continue
  do 20 k = 1, 3
20 end do
  do 30 k = 1, 3
30 y = z
  do 40 k = 1, 3
40 if (x) y = z
  do 50, i = 1, n
50 continue
  do 60 i = 1, n
    a = b + &
60 & c
  w = v
end subroutine labels
