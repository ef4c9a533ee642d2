! expect: both
! Structure that does not balance: every stray end shows the problem message
! and the chart goes on.
  end do
  else
  x = 1
  case (3)
  end select
subroutine s
  else
  call t
  end if
  end where
end subroutine s
  end program
  end subroutine
