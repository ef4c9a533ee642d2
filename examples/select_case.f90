! expect: both
subroutine describe(n)
  integer, intent(in) :: n
  select case (n)
  case (:-1)
    call say('negative')
  case (0)
    call say('zero')
  case (1:9)
    call say('small')
  case default
    call say('large')
  end select
end subroutine describe
