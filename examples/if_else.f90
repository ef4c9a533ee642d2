! expect: both
subroutine clamp(x, lo, hi)
  real, intent(inout) :: x
  real, intent(in) :: lo, hi
  if (lo > hi) then
    call fail('empty range')
    return
  end if
  if (x < lo) then
    x = lo
  else if (x > hi) then
    x = hi
  else
    print *, 'in range' ! nothing to do
  end if
end subroutine clamp
