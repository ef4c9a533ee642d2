! expect: sorvane meridol
! Each kind of unbalanced structure, with the line its message points at.
  else if
  case default
  end function
  end
  end module
  end interface
  end type
subroutine s
  if (x) then
    call a
  end where
  end if
  select case (n)
  end select
  do 10 i = 1, n
  end do
10 continue
  while (x) y = z
  do
    x = 1
    z = 2 ; while (y) w = v
  end do
end subroutine s
  do i = 1, n
  end subroutine
  end do
