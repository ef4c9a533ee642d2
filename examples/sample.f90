! expect: both
! A small program that reads values, classifies them and prints a summary.
program summary
  implicit none
  integer :: i, n, count_pos
  real :: values(100), total

  read (5, *) n
  total = 0.0
  count_pos = 0
  do i = 1, n
    read (5, *) values(i)
    if (values(i) > 0.0) then
      count_pos = count_pos + 1
      total = total + values(i)
    else if (values(i) == 0.0) then
      call note_zero(i)
    else
      call note_negative(i, values(i))
    end if
  end do
  if (count_pos == 0) stop
  write (6, '(a, f10.3)') 'mean of positives:', total / count_pos
end program summary
