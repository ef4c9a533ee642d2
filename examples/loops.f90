! expect: sorvane meridol
program loops
  integer :: i, j, k
  real :: a(10, 10)
  do i = 1, 10
    do 20 j = 1, 10
      a(i, j) = 0.0
20  continue
  end do
  k = 0
  do while (k < 5)
    k = k + 1
  end do
  do 30 i = 1, 10
    do 30 j = 1, 10
      if (a(i, j) > 1.0) a(i, j) = 1.0
30 continue
  write (6, *) a
end program loops
