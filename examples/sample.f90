program demo
  integer :: x
  if (x > 0) then
    call s(x)
  else
    call t(x)
  end if
  do i = 1, n
    call u(i)
  end do
end program demo
