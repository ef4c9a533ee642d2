! A small program with every kind of block the chart draws: units, a block
! IF with ELSE IF and ELSE, a one-line IF, DO loops (one labelled), SELECT
! CASE, input and output.
program flow_sample
  implicit none
  integer :: n, i, total
  read (*, *) n
  total = 0
  if (n < 0) then
    write (*, *) 'negative'
  else if (n == 0) then
    write (*, *) 'zero'
  else
    do i = 1, n
      total = total + i
    end do
  end if
  do 10 i = 1, 3
    if (total > 100) total = total - 100
10 continue
  select case (n)
  case (1)
    call report(total)
  case default
    write (*, *) total
  end select
end program flow_sample

subroutine report(value)
  integer, intent(in) :: value
  write (*, *) 'total', value
  return
end subroutine report
