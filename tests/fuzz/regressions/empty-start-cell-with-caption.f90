! expect: both
suil('empty range')
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
