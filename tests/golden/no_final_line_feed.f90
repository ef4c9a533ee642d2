! expect: both
program main
  x = 1
end program main