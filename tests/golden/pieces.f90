! expect: both
program pieces
  call s(a000, a001, a002, a003, a004, a005, a006, a007, a008, a009, a010, a011, a012, a013, a014, a015, a016, a017, a018, a019, a020, a021, a022, a023, a024, a025, a026, a027, a028, a029, a030, a031, a032, a033, a034, a035, a036, a037, a038, a039, a040, a041, a042, a043, a044, a045, a046, a047, a048, a049, a050, a051, a052, a053, a054, a055, a056, a057, a058, a059, a060, a061, a062, a063, a064,))
  x = 1 ! then call nothing if end do then call nothing if end do then call nothing if end do then call nothing if end do then call nothing if end do then call nothing if end do then call nothing if end do then call nothing if end do then call nothing if end do then call nothing if end do then call 
c subroutine call if then end  subroutine call if then end  subroutine call if then end  subroutine call if then end  subroutine call if then end  subroutine call if then end  subroutine call if then end  subroutine call if then end  subroutine call if then end  subroutine call if then end  subrouti
  y = qqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqcall_me + 1
  print *, 'zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz if then call s end'
  z = 2
end program pieces
