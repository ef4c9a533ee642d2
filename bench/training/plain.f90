  subroutine u0(a, b)
  x = f(x) > k + 1 /= x
  if (y) then
    integer :: i, j, k
  end if
  if (x) then
    write (6, '(a)') 'call if then'
  else if (n < b(i, j)*n) then
    select case (n)
    case (6)
    end select
  else
    s = 'first part &
      & second part'
  endif
  do i = 1, n
    call sub4(y <= k + 1 + f(x))
    write (6, '(a)') 'call if then'
    x = k + 1 == f(x)
    do i = 1, n
      select case (n)
      case (9)
        print *, 'value', x ! trailing if
        endfile 10
      case default
        read (5, *) x, y
        go to 10
      end select
      where (mask)
        go to 10
        write (6, '(a)') 'call if then'
      elsewhere
        go to 10
      end where
      do i = 1, n
        s = 'first part &
          & second part'
        do
          if ('text' < n) stop
          read (5, *) x, y
        if (x > 9) exit
        end do
        where (m) b(:) = c
      enddo
      inquire (file='b', exist=e)
    enddo
  end do
  y(i) = a(i)
  do while (n <= x)
    110 format (a, i5)
  end do
  x = y  ! note
  do while (x*'text')
    s = 'first part &
      & second part'
    y(i) = y
  end do
  print *, 'value', x ! trailing if
  y(i) = k + 1
  do while (x)
    s%v = f(x) >= z(:) < y
  end do
  do i = 1, n
    x = f(x) <= z(:) == k + 1
    do 120 k = 1, m
      do 130 k = 1, m
        write (6, '(a)') 'call if then'
130 continue
      s%v = k + 1 == f(x)
120 continue
* star comment
    140 format (a, i5)
  end do
  if (a(i)) then
    s%v = z(:) /= f(x)
    where (mask)
      open (10, file='a.dat')
      s = 'first part &
        & second part'
    elsewhere
      s = 'first part &
        & second part'
    end where
    150 format (a, i5)
    s = 'first part &
      & second part'
  else if (f(x) < y .and. a(i)) then
    where (m) b(:) = c
    print *, 'value', x ! trailing if
  else if (y .and. z(:) .and. y) then
    y(i) = z(:) == z(:) >= n
    x = y == 'text' /= a(i)
    write (6, '(a)') 'call if then'
  else
    do 160 k = 1, m
      s%v = z(:)*'text'*n
      a = 1; b = 2
160 continue
    do i = 1, n
      y(i) = n < k + 1
      select case (n)
      case (9)
        x = a(i)
        t = k + 1
      case (2)
        a = 1; b = 2
      case (9)
      end select
    enddo
    do
      call sub9(b(i, j) /= z(:) == 'text')
      do i = 1, n
        where (m) b(:) = c
        select case (n)
        case (2)
        case (6)
        case default
          call sub2('text' == a(i))
        end select
        if (k + 1 >= 'text') then
          s%v = x*z(:)
          t = f(x) <= k + 1 < y
        end if
      end do
    if (x > 9) exit
    end do
  endif
  do
    where (m) b(:) = c
  if (x > 9) exit
  end do
  select case (n)
  case (7)
  case (9)
    where (mask)
      x = y  ! note
      read (5, *) x, y
    elsewhere
      if (x > 0) y = &
        & 2
    end where
    y(i) = y < z(:)
  case default
    read (5, *) x, y
    y(i) = y
  end select
  call sub5(b(i, j) /= b(i, j) + k + 1)
  open (10, file='a.dat')
  x = k + 1 /= k + 1 + a(i)
  go to 10
  if (z(:) .and. k + 1 <= a(i)) then
    where (mask)
      open (10, file='a.dat')
    elsewhere
      x = b(i, j) == x
    end where
    if (k + 1 <= a(i) <= x) then
      x = a + &
        & b * c
      print *, 'value', x ! trailing if
* star comment
      call sub6(n)
    else if ('text') then
      select case (n)
      case (4)
        s%v = y
        t = x <= a(i)
      case default
        x = y  ! note
      end select
      170 format (a, i5)
    else
      s = 'first part &
        & second part'
      where (mask)
        where (mask)
          a = 1; b = 2
          a = 1; b = 2
        elsewhere
          integer :: i, j, k
        end where
      elsewhere
        y(i) = y
      end where
    end if
  end if
  do i = 1, n
    if (x > 0) y = &
      & 2
  end do
  x = a + &
    & b * c
  where (mask)
    t = b(i, j)
  elsewhere
    call sub4(a(i) + z(:) .and. y)
  end where
  select case (n)
  case (1)
    call sub2(n <= b(i, j))
    x = z(:)
  case (8)
    y(i) = z(:)*b(i, j)
  case default
! free comment
    s = 'first part &
      & second part'
  end select
  do i = 1, n
    x = a + &
      & b * c
  enddo
  end subroutine u0
  subroutine u213(a, b)
  x = n*b(i, j) >= n
  select case (n)
  case (5)
  case (6)
  case (8)
    t = z(:) <= n
  case default
    s%v = f(x) < a(i)
    write (6, '(a)') 'call if then'
  end select
  if ('text' < f(x) .and. b(i, j)) x = 1
  go to 10
  call sub5('text' >= a(i) >= 'text')
  do
    do 180 k = 1, m
      t = z(:) == b(i, j) + x
! free comment
      if (f(x) <= b(i, j)) then
        call sub5(z(:) .and. y == n)
        do 190 k = 1, m
          x = a + &
            & b * c
          x = a + &
            & b * c
190 continue
! free comment
      else
        print *, 'value', x ! trailing if
        read (5, *) x, y
      end if
180 continue
    where (m) b(:) = c
    where (mask)
      print *, 'value', x ! trailing if
    elsewhere
      s = 'first part &
        & second part'
    end where
  if (x > 9) exit
  end do
  y(i) = y /= 'text'
  do i = 1, n
    y(i) = x + z(:)
    if (k + 1 + a(i)) then
      a = 1; b = 2
    else if (y + y*x) then
      call sub1(b(i, j))
    else if (b(i, j) .and. y < y) then
      integer :: i, j, k
      call sub1(x <= z(:) <= f(x))
    end if
! free comment
    if (b(i, j)) then
      select case (n)
      case (7)
      case (5)
      case (7)
        s%v = 'text' .and. a(i)
      case default
        a = 1; b = 2
        do i = 1, n
          call sub4(z(:))
          write (6, '(a)') 'call if then'
        end do
      end select
    else if (z(:) == a(i) + 'text') then
      do while (n > a(i))
        t = x > n .and. z(:)
      end do
      print *, 'value', x ! trailing if
      y(i) = f(x)
    else if (n*z(:) > b(i, j)) then
      rewind 10
      x = y < f(x)
      y(i) = 'text' <= 'text'
    else
      endfile 10
      call sub6(f(x) + x .and. a(i))
      if (x > z(:)) x = 1
    end if
  enddo
  200 format (a, i5)
  print *, 'value', x ! trailing if
  do while (x >= b(i, j))
    do
      if (x > 0) y = &
        & 2
      x = a(i)
      x = a + &
        & b * c
    if (x > 9) exit
    end do
    if (b(i, j) + n) stop
  end do
  do
    where (mask)
      print *, 'value', x ! trailing if
    elsewhere
      x = a + &
        & b * c
    end where
    do
      if (n) stop
      s = 'first part &
        & second part'
      print *, 'value', x ! trailing if
    if (x > 9) exit
    end do
    if (y) then
      call sub2('text' + n)
      if (z(:) /= k + 1 < b(i, j)) then
        read (5, *) x, y
        read (5, *) x, y
        call sub4(a(i))
      else if (a(i) < 'text') then
        a = 1; b = 2
        if (x > 0) y = &
          & 2
      endif
      x = z(:)
    else if (f(x)) then
      call sub4(y*n)
      read (5, *) x, y
    end if
  if (x > 9) exit
  end do
  do while (f(x))
    y(i) = b(i, j)
  end do
  select case (n)
  case (1)
    call sub5(y)
  case default
    where (m) b(:) = c
    if (k + 1) then
      if (b(i, j) <= b(i, j)) stop
    else
      where (m) b(:) = c
      inquire (file='b', exist=e)
      where (mask)
        where (m) b(:) = c
        where (m) b(:) = c
      elsewhere
        if (f(x) == n) x = 1
      end where
    end if
  end select
  select case (n)
  case (2)
    inquire (file='b', exist=e)
    rewind 10
  case (3)
    t = z(:)
    s = 'first part &
      & second part'
  case default
    where (mask)
      call sub7(a(i) == a(i))
    elsewhere
      do 210 k = 1, m
        y(i) = a(i) /= x*x
210 continue
    end where
    print *, 'value', x ! trailing if
  end select
  do while (z(:) <= 'text' <= a(i))
    x = a + &
      & b * c
    x = z(:) /= z(:)
  end do
  do
    s = 'first part &
      & second part'
    s%v = 'text' < z(:)
  if (x > 9) exit
  end do
  select case (n)
  case (1)
    where (mask)
      a = 1; b = 2
      do
        if (x > 0) y = &
          & 2
        x = y < a(i) == z(:)
        call sub4(y <= n)
      if (x > 9) exit
      end do
    elsewhere
      do while (b(i, j) == b(i, j))
        s = 'first part &
          & second part'
        220 format (a, i5)
        print *, 'value', x ! trailing if
      end do
    end where
    call sub7(n <= f(x) .and. n)
  end select
  do
    x = a + &
      & b * c
    do while (y*'text')
      read (5, *) x, y
      endfile 10
      t = a(i)
    end do
    s%v = k + 1 <= f(x)
  if (x > 9) exit
  end do
  where (mask)
    230 format (a, i5)
  elsewhere
    where (m) b(:) = c
  end where
  t = a(i) > x > x
  s%v = k + 1
  integer :: i, j, k
  240 format (a, i5)
  x = a(i) == z(:) < y
  select case (n)
  case (7)
    s%v = z(:)*z(:) /= n
  case (1)
  case default
    call sub1(y)
  end select
  select case (n)
  case (3)
    do while ('text' == b(i, j) < b(i, j))
      where (mask)
        t = 'text' + y + n
        s%v = a(i) > y >= b(i, j)
      elsewhere
        read (5, *) x, y
      end where
      go to 10
      a = 1; b = 2
    end do
  end select
  x = n /= a(i)
  where (mask)
    if (f(x) /= 'text'*z(:)) then
      x = y  ! note
      where (m) b(:) = c
      call sub5(a(i) < n)
      x = n == x
    else
      x = x
      close (10)
c fixed-form comment
    endif
    call sub2(x)
  elsewhere
    if (x > 0) y = &
      & 2
  end where
  end subroutine u213
  integer function u470(x)
  y(i) = b(i, j) >= 'text'
  read (5, *) x, y
  x = y  ! note
  250 format (a, i5)
  260 format (a, i5)
  do
    do 270 k = 1, m
      where (mask)
        call sub2(b(i, j))
      elsewhere
        a = 1; b = 2
      end where
270 continue
    do
      do i = 1, n
        call sub8(f(x) <= n <= a(i))
      end do
    if (x > 9) exit
    end do
  if (x > 9) exit
  end do
  if (x > 0) y = &
    & 2
  do i = 1, n
    open (10, file='a.dat')
  enddo
  where (mask)
    select case (n)
    case (6)
    case default
      a = 1; b = 2
      select case (n)
      case (8)
      end select
    end select
  elsewhere
    280 format (a, i5)
  end where
  integer :: i, j, k
  return
  end function u470
  subroutine u512(a, b)
  do i = 1, n
    do i = 1, n
      s%v = z(:) /= k + 1 /= b(i, j)
      where (mask)
        call sub6(k + 1 == a(i))
      elsewhere
        call sub5(y)
      end where
      y(i) = 'text'
    end do
    write (6, '(a)') 'call if then'
    x = b(i, j)
  enddo
  if ('text' /= k + 1 <= z(:)) x = 1
  do while ('text')
    if ('text') then
      if (x > 0) y = &
        & 2
      if (f(x) < 'text') then
        x = y  ! note
        call sub5('text' + x)
      else if ('text' == f(x) > 'text') then
        x = b(i, j) /= n /= k + 1
        integer :: i, j, k
      else if (z(:) /= z(:)*x) then
        endfile 10
        x = a + &
          & b * c
        select case (n)
        case (7)
          s%v = x <= 'text'
          x = 'text' >= b(i, j)
        case default
          a = 1; b = 2
          if (z(:)) call s
        end select
      else
        if (x > 0) y = &
          & 2
      end if
    else if (k + 1 /= n >= 'text') then
! free comment
      s = 'first part &
        & second part'
    else
      if (b(i, j) == z(:)) then
        read (5, *) x, y
      else if (a(i) <= f(x) + z(:)) then
        s%v = n .and. x
        do while (f(x))
          if (x > 0) y = &
            & 2
          go to 10
          if (x > 0) y = &
            & 2
        end do
      else
        call sub3(z(:) == a(i))
! free comment
        x = y  ! note
      end if
    endif
    where (mask)
      x = a + &
        & b * c
    elsewhere
      x = b(i, j) /= n
    end where
    do 290 k = 1, m
      t = a(i) == k + 1
290 continue
  end do
  where (mask)
    x = a + &
      & b * c
  elsewhere
    s = 'first part &
      & second part'
  end where
  do i = 1, n
    select case (n)
    case (3)
      if (x > 0) y = &
        & 2
      do while (x >= y*z(:))
        x = a(i) .and. n >= y
        rewind 10
      end do
    case default
      where (m) b(:) = c
    end select
    write (6, '(a)') 'call if then'
    do i = 1, n
      a = 1; b = 2
      if (x > 0) y = &
        & 2
      s%v = a(i) <= n
      if (x > 0) y = &
        & 2
    end do
  end do
  do 300 k = 1, m
    if (b(i, j)) x = 1
    do i = 1, n

    end do
300 continue
  where (mask)
    select case (n)
    case (8)
      y(i) = x < x
      s%v = k + 1 <= b(i, j) == 'text'
    case (1)
      do while (x*x)
        where (m) b(:) = c
      end do
    case (7)
      select case (n)
      case (3)
c fixed-form comment
      case (2)
        x = 'text'
        select case (n)
        case (2)
        end select
      case default
        integer :: i, j, k
      end select
    case default
      inquire (file='b', exist=e)
    end select
  elsewhere
    x = b(i, j)*z(:) + b(i, j)
  end where
  x = y  ! note
  x = 'text' <= n
  do i = 1, n
    do while (z(:) == n)
      if (x > 0) y = &
        & 2
    end do
  end do
  if (z(:) + b(i, j)) then
    310 format (a, i5)
    x = y  ! note
    320 format (a, i5)
  else if (x) then
    integer :: i, j, k
    if ('text' .and. a(i) + b(i, j)) exit
    read (5, *) x, y
  else
    s%v = n == b(i, j)*z(:)

    call sub4(b(i, j) > 'text' + a(i))
  endif
  if (z(:) < k + 1 >= y) call s
  do 330 k = 1, m
    a = 1; b = 2
    do 340 k = 1, m
      call sub2(n <= f(x) >= 'text')
      y(i) = x >= y
      x = a + &
        & b * c
340 continue
330 continue
  print *, 'value', x ! trailing if
  read (5, *) x, y
  x = a(i) + a(i) <= b(i, j)
  do i = 1, n
    print *, 'value', x ! trailing if
    if (y) x = 1
  end do
  where (mask)
    350 format (a, i5)
    x = b(i, j) /= y
  elsewhere
    go to 10
  end where
  x = a + &
    & b * c
  call sub4(n)
  x = x*z(:)
  print *, 'value', x ! trailing if
  go to 10
  do while (z(:) < z(:) >= f(x))
    s = 'first part &
      & second part'
    do i = 1, n
      go to 10
      x = a + &
        & b * c
    end do
  end do
  call sub2(f(x) == z(:) < 'text')
  end subroutine u512
program u708
  print *, 'value', x ! trailing if
  do i = 1, n
    s%v = a(i) > n + k + 1
  end do
  read (5, *) x, y
  x = b(i, j) <= f(x) == b(i, j)
  x = a + &
    & b * c
  x = a(i) + b(i, j) < b(i, j)
end program u708
  integer function u719(x)
  call sub4(y <= 'text')
  write (6, '(a)') 'call if then'
  select case (n)
  case (8)
    x = a + &
      & b * c
    do 360 k = 1, m
      if (x /= b(i, j)) then
        a = 1; b = 2
        x = y  ! note
      else
        370 format (a, i5)
      endif
      call sub4(n /= b(i, j) /= x)
360 continue
  case default
    s%v = f(x) + y
    do
      select case (n)
      case (4)
      case (6)
      case default
        s%v = k + 1*y
        where (mask)
          print *, 'value', x ! trailing if
        elsewhere
          if (x < z(:)) stop
        end where
      end select
      a = 1; b = 2
    if (x > 9) exit
    end do
  end select
  y(i) = y
  s%v = b(i, j) > x < a(i)
  do while (z(:) /= z(:) < f(x))
    s%v = y + k + 1
  end do
  x = 'text'
  call sub3(z(:) .and. n > 'text')
  do while (x > f(x))
    x = y  ! note
    do while (f(x)*x)
      go to 10
      call sub7(x < k + 1)
    end do
  end do
  where (m) b(:) = c
  select case (n)
  case (4)
  case default
    x = a + &
      & b * c
    x = b(i, j) <= k + 1 > y
  end select
  do 380 k = 1, m
    write (6, '(a)') 'call if then'
380 continue
  if (x > 0) y = &
    & 2
  390 format (a, i5)
  do 400 k = 1, m
    do while (n < n)
      integer :: i, j, k
      s%v = z(:) /= 'text' /= k + 1
    end do
    x = a + &
      & b * c
400 continue
  410 format (a, i5)
  y(i) = f(x)
  return
  end function u719
module u793
  interface
    subroutine ext(a)
      real :: a
    end subroutine ext
  end interface
  type point
    real :: x, y
  end type point
contains
  subroutine inner_u793(p)
    if (x == a(i)) return
    do i = 1, n
      write (6, '(a)') 'call if then'
      call sub9(y >= z(:) > k + 1)
      x = a + &
        & b * c
    enddo
    y(i) = n >= f(x)
    420 format (a, i5)
    read (5, *) x, y
    a = 1; b = 2
    where (mask)
      select case (n)
      case (3)
        t = k + 1 < z(:) .and. n
      case (7)
        430 format (a, i5)
      case (2)
        x = y  ! note
      case default
        if (k + 1 .and. f(x) > z(:)) stop
        call sub9(b(i, j))
      end select
      if (a(i)) return
    elsewhere
      do while (a(i) /= 'text')
        integer :: i, j, k
      end do
    end where
    write (6, '(a)') 'call if then'
    write (6, '(a)') 'call if then'
    if (k + 1 .and. 'text' + f(x)) then
      backspace 10
    end if
    a = 1; b = 2
    do 440 k = 1, m
      where (m) b(:) = c
      x = a + &
        & b * c
      integer :: i, j, k
440 continue
    do 450 k = 1, m
      call sub6(f(x) < b(i, j))
      s%v = f(x) .and. n*b(i, j)
      call sub9(a(i) == x)
450 continue
    460 format (a, i5)
    do while (x .and. x > b(i, j))
      s%v = 'text'
      go to 10
      s = 'first part &
        & second part'
    end do
    integer :: i, j, k
    select case (n)
    case (9)
    case (4)
      y(i) = k + 1 < x < y
    case (3)
      x = a + &
        & b * c
      x = f(x)
    end select
  end subroutine inner_u793
end module u793
  integer function u869(x)
  if (x > 0) y = &
    & 2
  do while (y /= z(:))
    call sub7(x > a(i))
    call sub3(f(x))
    x = a + &
      & b * c
  end do
  do while (b(i, j) < a(i))
    where (mask)
      if (z(:)) call s
    elsewhere
      backspace 10
    end where
    if (k + 1 < f(x)) go to 10
    print *, 'value', x ! trailing if
  end do
  t = f(x) /= 'text' /= z(:)
  where (m) b(:) = c
  select case (n)
  case (6)
  case default
! free comment
  end select
  do i = 1, n
    call sub7('text' /= b(i, j) + k + 1)
    do i = 1, n
      read (5, *) x, y
      x = a + &
        & b * c
    enddo
  end do
  do 470 k = 1, m
    do
      s%v = 'text'
    if (x > 9) exit
    end do
470 continue
  do while (n > 'text')
    call sub6(a(i) < y*f(x))
    write (6, '(a)') 'call if then'
    where (mask)
      t = b(i, j) .and. z(:)
      if (x > 0) y = &
        & 2
    elsewhere
      s%v = n
    end where
  end do
  do
    where (m) b(:) = c
    where (mask)
      if (f(x) < n <= y) then
        call sub1('text')
        where (m) b(:) = c
        t = x <= n /= z(:)
      else if (k + 1 .and. f(x)) then
        do
          x = a(i) < x >= a(i)
          inquire (file='b', exist=e)
          where (m) b(:) = c
        if (x > 9) exit
        end do
      else if ('text' /= b(i, j)*y) then
        where (m) b(:) = c
        print *, 'value', x ! trailing if
      endif
      go to 10
    elsewhere
      where (m) b(:) = c
    end where
    t = a(i)
  if (x > 9) exit
  end do
  do
    do 480 k = 1, m
      if (x > 0) y = &
        & 2
480 continue
    call sub1(n >= 'text')
    select case (n)
    case (3)
    case (8)
      x = y  ! note
      do 490 k = 1, m
        if (x > 0) y = &
          & 2
        write (6, '(a)') 'call if then'
        where (mask)
          call sub6(y .and. n == z(:))
        elsewhere
          if (a(i)) exit
        end where
490 continue
    case default
      x = b(i, j) /= y
      x = a + &
        & b * c
    end select
  if (x > 9) exit
  end do
  print *, 'value', x ! trailing if
  do while (f(x) == y)
    do
      where (mask)
        integer :: i, j, k
        if (x > 0) y = &
          & 2
      elsewhere
        where (m) b(:) = c
      end where
* star comment
    if (x > 9) exit
    end do
  end do
  if (x > 0) y = &
    & 2
  do while (b(i, j) /= y == x)
    s%v = f(x)
  end do
  do 500 k = 1, m
    do
      510 format (a, i5)
      if (x > 0) y = &
        & 2
      print *, 'value', x ! trailing if
    if (x > 9) exit
    end do
* star comment
    read (5, *) x, y
500 continue
  t = x
  do i = 1, n
    520 format (a, i5)
    y(i) = n
  enddo
  if (y) then
    open (10, file='a.dat')
    do while ('text')
      a = 1; b = 2
      print *, 'value', x ! trailing if
    end do
    go to 10
    call sub3('text' > z(:))
  else if (f(x) /= z(:) < k + 1) then
    if (k + 1 == 'text' < x) then
      write (6, '(a)') 'call if then'
      where (m) b(:) = c
      s = 'first part &
        & second part'
    else if (n >= k + 1) then
      call sub8(y)
      endfile 10
      where (m) b(:) = c
    else if (f(x) /= z(:) .and. b(i, j)) then
c fixed-form comment
    else
      call sub9(b(i, j) + a(i)*z(:))
      do while (y*y .and. y)
        do 530 k = 1, m
          x = z(:) .and. k + 1 == a(i)
          y(i) = f(x) > 'text' /= x
          y(i) = z(:) < n
530 continue
        y(i) = y >= n >= f(x)
      end do
    end if
    y(i) = f(x)*f(x) + x
  else if (f(x)) then
    do
      select case (n)
      case (5)
        do i = 1, n
          integer :: i, j, k
        enddo
      case default
        s%v = n
      end select
      write (6, '(a)') 'call if then'
      go to 10
    if (x > 9) exit
    end do
    integer :: i, j, k
  endif
  s%v = n*z(:)
  do
    do while ('text' == z(:))
      do while (y >= a(i))
        integer :: i, j, k
        call sub3(f(x) + f(x) + 'text')
      end do
      print *, 'value', x ! trailing if
    end do
  if (x > 9) exit
  end do
  do while (z(:) /= x)
    do while (x == n <= 'text')
      endfile 10
      integer :: i, j, k
    end do
  end do
  where (mask)
    y(i) = 'text' < f(x) <= a(i)
  elsewhere
    x = b(i, j) >= k + 1
  end where
  endfile 10
  s%v = f(x)*f(x)
  do
    y(i) = a(i)
  if (x > 9) exit
  end do
  select case (n)
  case (7)
    do
      integer :: i, j, k
      write (6, '(a)') 'call if then'
    if (x > 9) exit
    end do
  case (5)
    select case (n)
    case (2)
    case (2)
      do while (f(x) >= 'text')
        t = f(x)
        read (5, *) x, y
        call sub5(a(i) > a(i) > 'text')
      end do
      540 format (a, i5)
    case default
      where (mask)
        550 format (a, i5)
      elsewhere
        integer :: i, j, k
      end where
    end select
    y(i) = b(i, j) > f(x) > a(i)
  case default
    if (f(x)) x = 1
  end select
  return
  end function u869
program u1112
  do while (f(x) .and. b(i, j))
    s%v = f(x)
    where (mask)
      y(i) = n < f(x) >= 'text'
      select case (n)
      case (9)
      case (6)
      case (5)
        s%v = k + 1 + k + 1 <= f(x)
        read (5, *) x, y
      case default
        s%v = n /= 'text' < x
      end select
    elsewhere
      x = k + 1 /= k + 1 == b(i, j)
    end where
  end do
  y(i) = n > f(x) /= z(:)
  do i = 1, n
    backspace 10
    x = x
  enddo
  y(i) = 'text' .and. a(i)
  read (5, *) x, y
  call sub6(a(i) .and. b(i, j))
  do i = 1, n
    call sub8(b(i, j))
    write (6, '(a)') 'call if then'
  end do
  do i = 1, n
    select case (n)
    case (8)
    case (1)
    case (6)
    end select
    call sub7(n > y)
  end do
  s%v = n >= y == z(:)
  where (m) b(:) = c
  select case (n)
  case (7)
    y(i) = a(i) > x == k + 1
  case (4)
    x = f(x)
    t = n .and. x == a(i)
  case (9)
  end select
  a = 1; b = 2
  do i = 1, n
    call sub2(b(i, j) == x <= b(i, j))
  end do
  a = 1; b = 2
  do
    read (5, *) x, y
    where (mask)
* star comment
    elsewhere
      x = y  ! note
    end where
    where (mask)
      print *, 'value', x ! trailing if
      if (n .and. 'text') call s
    elsewhere
      if (x > 0) y = &
        & 2
    end where
  if (x > 9) exit
  end do
  do while (b(i, j) .and. a(i) /= y)
    x = 'text'*f(x) + k + 1
  end do
  do i = 1, n
    select case (n)
    case (9)
      if (a(i) .and. f(x) < 'text') go to 10
    case (5)
      print *, 'value', x ! trailing if
      do
        560 format (a, i5)
        read (5, *) x, y
        s = 'first part &
          & second part'
      if (x > 9) exit
      end do
    end select
  enddo
  do i = 1, n
    s%v = k + 1
    call sub3(n + n > f(x))
  enddo
  if (y == b(i, j)) then
    go to 10
    a = 1; b = 2
    select case (n)
    case (5)
      do i = 1, n
        s = 'first part &
          & second part'
      end do
    end select
    select case (n)
    case (6)
      call sub6(k + 1 .and. b(i, j))
    case default
      y(i) = b(i, j)*b(i, j) >= b(i, j)
    end select
  else
    select case (n)
    case (2)
    case (3)
      write (6, '(a)') 'call if then'
    end select
    x = y  ! note
  endif
  x = y  ! note
  if ('text' <= f(x) /= 'text') then
    call sub6(y /= f(x) < y)
    if ('text' .and. z(:) > y) go to 10
  else if (z(:) .and. 'text') then
    x = a + &
      & b * c
    a = 1; b = 2
  else if (x /= a(i) .and. k + 1) then
    write (6, '(a)') 'call if then'
  else
    x = a(i)
    t = y
  endif
  select case (n)
  case (6)

  end select
  if (x == f(x) >= a(i)) then
    do 570 k = 1, m
      s%v = 'text' <= k + 1
      where (m) b(:) = c
570 continue
  else if (x <= a(i)) then
* star comment
    y(i) = k + 1 >= z(:) + n
  else if (f(x) /= z(:)) then
    print *, 'value', x ! trailing if
    where (m) b(:) = c
    print *, 'value', x ! trailing if
  else
    write (6, '(a)') 'call if then'
  end if
  do
    if (z(:)) call s
    if (y) then
      t = n
! free comment
    else if (a(i) <= a(i)*n) then
      x = y  ! note
    else
      call sub2(x /= b(i, j))
    endif
    x = n
  if (x > 9) exit
  end do
  do i = 1, n
    integer :: i, j, k
    x = y  ! note
    write (6, '(a)') 'call if then'
  enddo
  y(i) = 'text'
  if (x > 0) y = &
    & 2
  select case (n)
  case (2)
  case (8)
  case (3)
    if (y) then
      if (x > 0) y = &
        & 2
      a = 1; b = 2
      do i = 1, n
        do
          y(i) = z(:) <= k + 1
          call sub3(z(:) /= b(i, j))
        if (x > 9) exit
        end do
        do while (y)
          s%v = x
          x = a + &
            & b * c
        end do
        print *, 'value', x ! trailing if
      enddo
    else

      do 580 k = 1, m
        590 format (a, i5)
580 continue
    endif
  case default
    do while (y == 'text')
      s%v = n == y
      select case (n)
      case (5)
      case (5)
      case default
        do i = 1, n
          s%v = z(:)
c fixed-form comment
          close (10)
        enddo
      end select
      call sub3(a(i)*k + 1 /= y)
    end do
  end select
  s = 'first part &
    & second part'
  where (mask)
    call sub2(n)
  elsewhere
    t = 'text'*y <= y
  end where
  do while (a(i))
    do
      y(i) = y >= y > a(i)
      x = y  ! note
      print *, 'value', x ! trailing if
    if (x > 9) exit
    end do
  end do
end program u1112
module u1340
  interface
    subroutine ext(a)
      real :: a
    end subroutine ext
  end interface
  type point
    real :: x, y
  end type point
contains
  subroutine inner_u1340(p)
    s%v = 'text' > y
    y(i) = n == a(i)
    go to 10
    t = x*f(x)
    600 format (a, i5)
    call sub1(f(x) < f(x))
    do
      s = 'first part &
        & second part'
      where (mask)
        x = a + &
          & b * c
        go to 10
      elsewhere
        where (m) b(:) = c
      end where
    if (x > 9) exit
    end do
    select case (n)
    case (5)
c fixed-form comment
      do
        call sub4(a(i) + k + 1 /= z(:))
        go to 10
      if (x > 9) exit
      end do
    case (1)
      if (f(x) .and. y) call s
    case (6)
      where (m) b(:) = c
      s%v = z(:) > y + 'text'
    case default
      print *, 'value', x ! trailing if
      s%v = 'text' > b(i, j)
    end select
    call sub8('text'*a(i) < a(i))
    t = n <= f(x)
  end subroutine inner_u1340
end module u1340
  integer function u1390(x)
  610 format (a, i5)
  if (b(i, j) >= k + 1) then
    call sub7(k + 1)
    y(i) = z(:) <= f(x) < k + 1
  else if (k + 1 .and. n <= 'text') then
    x = a + &
      & b * c
  else if (b(i, j) >= b(i, j)) then
    go to 10
    do 620 k = 1, m
      select case (n)
      case (8)
        x = y .and. z(:) <= k + 1
      case (3)
        x = a + &
          & b * c
        s = 'first part &
          & second part'
      case default
        do while (x == b(i, j))
          write (6, '(a)') 'call if then'
          t = k + 1 < 'text'
          x = y  ! note
        end do
        read (5, *) x, y
      end select
      do while (z(:))
        y(i) = k + 1
        where (mask)
          s%v = 'text' == b(i, j)
        elsewhere
          s = 'first part &
            & second part'
        end where
        x = a + &
          & b * c
      end do
      go to 10
620 continue
    if (f(x) + b(i, j)) then
      do while (z(:) .and. n >= x)

      end do
    else if (k + 1 .and. y <= 'text') then
      if (k + 1 < b(i, j)) stop
      s%v = f(x) >= b(i, j) /= y
    else if (k + 1) then
      where (m) b(:) = c
      x = y  ! note
      call sub3(y .and. f(x))
    else
      close (10)
      t = b(i, j)
    end if
  else
    x = a(i) .and. 'text' /= b(i, j)
  end if
  select case (n)
  case (9)
  end select
  where (mask)
    t = b(i, j) < k + 1 <= a(i)
    write (6, '(a)') 'call if then'
  elsewhere
    select case (n)
    case (2)
      do 630 k = 1, m
        call sub1(z(:) == z(:) <= k + 1)
630 continue
    case (1)
      640 format (a, i5)
    case (1)
    end select
  end where
  do i = 1, n
    print *, 'value', x ! trailing if
    call sub9(a(i)*x)
  end do
  a = 1; b = 2
  s%v = y < 'text' .and. k + 1
  if (a(i) > f(x)*f(x)) then
    do i = 1, n
      go to 10
      650 format (a, i5)
    enddo
    do while (a(i))
      do
        do 660 k = 1, m
          call sub4(b(i, j))
660 continue
      if (x > 9) exit
      end do
      x = y  ! note
    end do
    write (6, '(a)') 'call if then'
  else if (x > y >= a(i)) then
    select case (n)
    case (9)
      if (x > 0) y = &
        & 2
    case (3)
      rewind 10
      where (mask)
        where (m) b(:) = c
      elsewhere
        x = y  ! note
      end where
    case (8)
    case default
      s = 'first part &
        & second part'
    end select
    print *, 'value', x ! trailing if
  else if (f(x) == y) then
    do 670 k = 1, m
      go to 10
      x = y  ! note
670 continue
    do 680 k = 1, m
      if (n == n) x = 1
      where (mask)
        do
          y(i) = k + 1
        if (x > 9) exit
        end do
        print *, 'value', x ! trailing if
      elsewhere
        x = a + &
          & b * c
      end where
680 continue
    select case (n)
    case (1)
    case default
      x = n
      integer :: i, j, k
    end select
  else
    x = a + &
      & b * c
    integer :: i, j, k
    t = n /= z(:)
  endif
  s = 'first part &
    & second part'
  x = y  ! note
  t = a(i) > a(i) < a(i)
  x = a + &
    & b * c
  call sub1(k + 1 .and. b(i, j) > n)
  do i = 1, n
    x = y  ! note
  end do
  return
  end function u1390
  subroutine u1546(a, b)
  690 format (a, i5)
  a = 1; b = 2
  if (x) then
    a = 1; b = 2
  else if (k + 1) then
    do 700 k = 1, m
      if (x /= x == k + 1) then
        where (mask)
          x = k + 1 >= y < a(i)
        elsewhere
          x = f(x) <= b(i, j)
        end where
        t = f(x)
        x = a(i) .and. z(:) .and. a(i)
        x = x > n .and. x
      endif
      x = y  ! note
      do
        s%v = 'text'
        if (x > 0) y = &
          & 2
      if (x > 9) exit
      end do
700 continue
    s = 'first part &
      & second part'
    print *, 'value', x ! trailing if
  else if (b(i, j)) then
    print *, 'value', x ! trailing if
  else
    print *, 'value', x ! trailing if
    do
      y(i) = y
    if (x > 9) exit
    end do
  endif
  open (10, file='a.dat')
  do i = 1, n
    if (x > 0) y = &
      & 2
    call sub7(k + 1 < a(i) /= b(i, j))
  end do
  if (y) then
    call sub5('text')
    y(i) = b(i, j) == y < 'text'
    x = y < n
    where (mask)
      a = 1; b = 2
      read (5, *) x, y
    elsewhere
      x = a + &
        & b * c
    end where
  endif
  if (n < z(:)) then
    t = a(i)
    inquire (file='b', exist=e)
    do while (x)
      call sub5(b(i, j))
    end do
  else
    t = b(i, j) < a(i) > y
  endif
  rewind 10
  s%v = b(i, j) >= n
  call sub3(b(i, j) > a(i))
  if (f(x)) exit
  x = y .and. f(x) /= b(i, j)
  do i = 1, n
    do i = 1, n
      s = 'first part &
        & second part'
      call sub4('text' > y)
      backspace 10
      print *, 'value', x ! trailing if
    end do
    s = 'first part &
      & second part'
    integer :: i, j, k
    if (y) stop
  end do
  a = 1; b = 2
  x = z(:) + z(:)
  t = f(x)
  end subroutine u1546
  integer function u1632(x)
  x = z(:) <= n
  select case (n)
  case (9)
  case (8)
! free comment
    go to 10
  case (3)
    if (f(x) > f(x) == a(i)) then
      t = a(i)
    else if (z(:)) then
      integer :: i, j, k
    else
      go to 10
    end if
    do i = 1, n
      a = 1; b = 2
      s = 'first part &
        & second part'
    end do
  end select
  do i = 1, n
    do
      do
        print *, 'value', x ! trailing if
        x = y  ! note
      if (x > 9) exit
      end do
      call sub4(x)
    if (x > 9) exit
    end do
    read (5, *) x, y
  enddo
  do 710 k = 1, m
    call sub9(y .and. n)
    a = 1; b = 2
    y(i) = a(i) == y
710 continue
  do i = 1, n
    do while (a(i))
      where (mask)
        if (y) then
          do
            where (m) b(:) = c
          if (x > 9) exit
          end do
          if (b(i, j)*y + a(i)) then
            integer :: i, j, k
            endfile 10
            call sub7(y <= 'text' == b(i, j))
            where (m) b(:) = c
          else if (k + 1 < x) then
            call sub6(x + f(x))
            x = y  ! note
            call sub8(f(x))
          end if
          call sub9('text' == a(i))
        else if (f(x) + f(x)) then
          if (x > 0) y = &
            & 2
        else
          do 720 k = 1, m
            730 format (a, i5)
720 continue
          t = z(:)*f(x)
        endif
        where (m) b(:) = c
      elsewhere
        s = 'first part &
          & second part'
      end where
      go to 10
      call sub7(f(x))
    end do
    write (6, '(a)') 'call if then'
    if (x > 0) y = &
      & 2
    x = y  ! note
  end do
  if (x > 0) y = &
    & 2
  740 format (a, i5)
  select case (n)
  case (1)
  case (1)
    where (mask)
      do
        y(i) = x
      if (x > 9) exit
      end do
      x = y  ! note
    elsewhere
      call sub1(x)
    end where
    call sub3(z(:) < k + 1)
  case (6)
    where (mask)
      print *, 'value', x ! trailing if
      read (5, *) x, y
    elsewhere
      x = b(i, j)
    end where
  end select
  a = 1; b = 2
  750 format (a, i5)
  do 760 k = 1, m
    x = y  ! note
760 continue
  x = y  ! note
  t = y
  x = y  ! note
  do i = 1, n
    go to 10
    if (n) then
      call sub2(z(:))
      a = 1; b = 2
    else if (k + 1 >= x > a(i)) then
      do 770 k = 1, m
        where (mask)
          call sub4(b(i, j) <= n == x)
          print *, 'value', x ! trailing if
        elsewhere
          x = y  ! note
        end where
        x = y  ! note
770 continue
      write (6, '(a)') 'call if then'
      a = 1; b = 2
    end if
  enddo
  print *, 'value', x ! trailing if
  call sub4(z(:))
  a = 1; b = 2
  return
  end function u1632
  integer function u1767(x)
  do i = 1, n
    x = 'text' + y
    select case (n)
    case (4)
      do i = 1, n
        endfile 10
        print *, 'value', x ! trailing if
        t = y <= n > k + 1
        do i = 1, n
          s%v = 'text' < n .and. y
        end do
      end do
    case (5)
      x = y  ! note

    case (3)
    case default
      open (10, file='a.dat')
      x = a + &
        & b * c
    end select
    x = b(i, j) .and. z(:) /= n
  enddo
  if (a(i) == a(i) + y) then
    s%v = k + 1 == f(x)
    where (mask)
      go to 10
      y(i) = f(x)
    elsewhere
      read (5, *) x, y
    end where
    s%v = a(i) <= f(x)
  else if (f(x) >= 'text' .and. b(i, j)) then
    t = a(i) > n == b(i, j)
  else
    if (b(i, j)) then
      print *, 'value', x ! trailing if
      s%v = n == k + 1
    else if (x + f(x) + z(:)) then
      call sub6(f(x))
      print *, 'value', x ! trailing if
      y(i) = f(x)
    else if (y > a(i)) then
      write (6, '(a)') 'call if then'
      if (b(i, j) + f(x) >= b(i, j)) exit
    end if
    do 780 k = 1, m
      where (m) b(:) = c
780 continue
    select case (n)
    case (4)
    case default
      go to 10
      x = z(:) .and. x == 'text'
    end select
  end if
  a = 1; b = 2
  y(i) = x
  where (mask)
    select case (n)
    case (2)
      print *, 'value', x ! trailing if
    case (9)
      s = 'first part &
        & second part'
      a = 1; b = 2
    case (1)
      790 format (a, i5)
! free comment
    case default
      open (10, file='a.dat')
    end select
    call sub9(x /= k + 1 + n)
  elsewhere
    t = x == b(i, j)
  end where
  where (m) b(:) = c
  select case (n)
  case (1)
  case (1)
    call sub4(k + 1 /= k + 1)
  end select
  call sub2(z(:) /= b(i, j) .and. k + 1)
  x = a + &
    & b * c

  do i = 1, n
* star comment
    where (mask)
      call sub3('text' .and. b(i, j))
    elsewhere
      select case (n)
      case (8)
      case default
        call sub7(z(:) + z(:))
        s = 'first part &
          & second part'
      end select
    end where
  end do
  do 800 k = 1, m
    s%v = 'text'
800 continue
  where (m) b(:) = c
  where (mask)
    x = a + &
      & b * c
    integer :: i, j, k
  elsewhere
    s = 'first part &
      & second part'
  end where
  select case (n)
  case (7)
    call sub9(x == f(x) .and. f(x))
  case (4)
    call sub9(k + 1 == b(i, j))
  case (2)
  end select
  810 format (a, i5)
  do i = 1, n
    a = 1; b = 2
    endfile 10
    if (x > 0) y = &
      & 2
    s%v = b(i, j) <= x
  enddo
  inquire (file='b', exist=e)
  print *, 'value', x ! trailing if
  do i = 1, n
    if (x) call s
    where (mask)
      call sub1('text' < y)
    elsewhere
c fixed-form comment
    end where
  end do
  t = 'text' < n
  x = x
  print *, 'value', x ! trailing if
  select case (n)
  case (2)
    call sub6(a(i) < 'text')
  case default
    s = 'first part &
      & second part'
    go to 10
  end select
  call sub3(n > z(:))
  select case (n)
  case (8)
    integer :: i, j, k
    do i = 1, n
      print *, 'value', x ! trailing if
    enddo
  end select
! free comment
  where (mask)
    select case (n)
    case (9)
      s%v = 'text' /= 'text' .and. f(x)
      integer :: i, j, k
    end select
    print *, 'value', x ! trailing if
  elsewhere
    call sub5(a(i) > f(x) >= k + 1)
  end where
  do while (f(x))
    s = 'first part &
      & second part'
    t = x
    integer :: i, j, k
  end do
  integer :: i, j, k
  where (mask)
    do
      t = z(:) <= y + f(x)
    if (x > 9) exit
    end do
  elsewhere
    do i = 1, n
      select case (n)
      case (5)
        do 820 k = 1, m
          where (m) b(:) = c
          x = y  ! note
          read (5, *) x, y
820 continue
      case (8)
        if (z(:)) x = 1
        s%v = x*n >= 'text'
      end select
      do 830 k = 1, m
        x = y
830 continue
      do while (z(:) < b(i, j) >= n)
        y(i) = k + 1 >= n
      end do
    end do
  end where
  s = 'first part &
    & second part'
  read (5, *) x, y
  call sub3(b(i, j))
  do 840 k = 1, m
    x = a + &
      & b * c
    if (z(:) > 'text') then
      s = 'first part &
        & second part'
      call sub5(n < k + 1 >= 'text')
    endif
    integer :: i, j, k
840 continue
  do 850 k = 1, m
    integer :: i, j, k
    s%v = 'text'
850 continue
  s = 'first part &
    & second part'
  if (k + 1) return
  return
  end function u1767
  integer function u1991(x)
  write (6, '(a)') 'call if then'
  integer :: i, j, k
  select case (n)
  case (6)
    if (x > 0) y = &
      & 2
  case (4)
    go to 10
    close (10)
  case (4)
    where (mask)
      integer :: i, j, k
    elsewhere
      call sub9(y)
    end where
  end select
  do
    go to 10
  if (x > 9) exit
  end do
  call sub1(b(i, j))
  read (5, *) x, y
  return
  end function u1991
program u2016
  x = y  ! note
  y(i) = n
  read (5, *) x, y
  where (mask)
    if ('text' > y .and. y) exit
    a = 1; b = 2
  elsewhere
    go to 10
  end where
  t = k + 1 .and. n >= f(x)
  rewind 10
  call sub3(n)
  do
    do 860 k = 1, m

c fixed-form comment
      call sub7(n)
860 continue
  if (x > 9) exit
  end do
  call sub6(a(i))
  do while ('text' >= z(:))
    select case (n)
    case (8)
      870 format (a, i5)
      call sub2(b(i, j))
    end select
  end do
  if (x > 0) y = &
    & 2
  do
    do
      call sub5('text' < k + 1)
      call sub1(z(:))
    if (x > 9) exit
    end do
    if (x > 0) y = &
      & 2
  if (x > 9) exit
  end do
  select case (n)
  case (5)
    y(i) = k + 1 == a(i)
    where (m) b(:) = c
  case default
    do i = 1, n
      go to 10
    enddo
    if (y <= f(x) >= a(i)) then
      print *, 'value', x ! trailing if
      if ('text' .and. y == y) then
        read (5, *) x, y
      else if (y*z(:)) then
        select case (n)
        case (8)
          do while (z(:))
            if (n > n > y) then
              call sub1(a(i) <= f(x) == f(x))
            else if (b(i, j)) then
              y(i) = y .and. a(i) == b(i, j)
              t = y /= x == x
            end if
          end do
        case (5)

          if (x > 0) y = &
            & 2
        end select
! free comment
      else if (b(i, j) /= z(:) >= n) then
! free comment
        go to 10
      else
        if (n) then
          if (x > 0) y = &
            & 2
          endfile 10
          x = y  ! note
        else if (k + 1*b(i, j)) then
          x = y  ! note
          s = 'first part &
            & second part'
        else if (f(x) /= z(:) >= b(i, j)) then
          inquire (file='b', exist=e)
          call sub7(b(i, j) >= x <= k + 1)
        else
          where (m) b(:) = c
          a = 1; b = 2
        endif
        call sub6(f(x) < n)
        close (10)
      endif
      y(i) = f(x) + b(i, j)
    else if (n == n) then
      y(i) = f(x)
      t = 'text'
      do
        s%v = z(:) .and. b(i, j) > 'text'
        if (x >= y >= f(x)) call s
      if (x > 9) exit
      end do
    end if
  end select
  do while (a(i) < a(i))
    call sub4(z(:) >= y > f(x))
    do while (y + y /= a(i))
      if (f(x)) then
        if (a(i) .and. a(i) >= a(i)) then
          a = 1; b = 2
          write (6, '(a)') 'call if then'
          x = y  ! note
          x = 'text' /= n
        else if (z(:) .and. n < b(i, j)) then
          s%v = z(:)
          x = y
          where (m) b(:) = c
        else if ('text' + b(i, j) >= k + 1) then
          call sub2(k + 1 + y >= b(i, j))
          call sub4('text' >= k + 1)
        else
          880 format (a, i5)
          open (10, file='a.dat')
        endif
* star comment
      else
        where (m) b(:) = c
      end if
      close (10)
    end do
    go to 10
  end do
  do 890 k = 1, m
    call sub3(z(:))
    inquire (file='b', exist=e)
890 continue
  if (a(i) .and. x) then
    do
      y(i) = n*n
    if (x > 9) exit
    end do
    call sub9(f(x)*k + 1)
    do i = 1, n
      write (6, '(a)') 'call if then'
    end do
    do while (a(i) + f(x) == f(x))
      call sub1(y)
      y(i) = b(i, j)
    end do
  end if
  x = a + &
    & b * c
  where (mask)
    call sub6(f(x) > n >= f(x))
    x = x
  elsewhere
    go to 10
  end where
  where (mask)
    x = a + &
      & b * c
  elsewhere
    read (5, *) x, y
  end where
  s%v = a(i) < k + 1
  do while (n*z(:))
    x = a + &
      & b * c
    call sub5(b(i, j)*a(i) == b(i, j))
  end do
  y(i) = z(:) + k + 1
  do i = 1, n
    x = y  ! note
  enddo
  backspace 10
  select case (n)
  case (3)
    where (m) b(:) = c
    s = 'first part &
      & second part'
  case (9)
  end select
end program u2016
  subroutine u2199(a, b)
  do
    if (x > 0) y = &
      & 2
  if (x > 9) exit
  end do
  if (a(i) .and. x) return
! free comment
  write (6, '(a)') 'call if then'
  go to 10
  do i = 1, n
    x = y  ! note
    call sub2(n == k + 1)
    print *, 'value', x ! trailing if
    if ('text' == y) then
      call sub3(z(:)*a(i) + k + 1)
      x = a(i) > y
    else if ('text') then
      900 format (a, i5)
      do while (n >= f(x) < z(:))
        call sub5(n*y)
      end do
    else if (x > a(i) /= a(i)) then
      read (5, *) x, y
    else
      do i = 1, n
        where (m) b(:) = c
        x = f(x) < z(:) + x
      end do
      print *, 'value', x ! trailing if
    endif
  enddo
  do 910 k = 1, m
    if (y*z(:) .and. k + 1) then
      if ('text') then
        x = a + &
          & b * c
      else if (a(i)*y < f(x)) then
        s%v = z(:) == a(i) + n
        where (m) b(:) = c
      else if (a(i)) then
        s%v = x + f(x)
        call sub6(y)
        write (6, '(a)') 'call if then'
      else
! free comment
        where (mask)
          write (6, '(a)') 'call if then'
        elsewhere
          where (mask)
            920 format (a, i5)
            a = 1; b = 2
          elsewhere
            x = k + 1 <= z(:)
          end where
        end where
      endif
      where (m) b(:) = c
      if (a(i) + 'text') stop
* star comment
    else
      call sub3(z(:) <= f(x))
      do 930 k = 1, m
        read (5, *) x, y
930 continue
      call sub2(k + 1)
    endif
    do while (z(:) <= z(:) < y)
      a = 1; b = 2
    end do
910 continue
  if (f(x)) stop
  y(i) = y
  do while (y)
    where (m) b(:) = c
    do while (a(i) > y)
      where (m) b(:) = c
      x = 'text'
      call sub5(z(:) == 'text')
    end do
  end do
  do i = 1, n
    if (x > 0) y = &
      & 2
    x = k + 1 >= a(i)
    a = 1; b = 2
  enddo
  call sub7(k + 1 /= 'text')
  940 format (a, i5)
! free comment
  do 950 k = 1, m
    where (mask)
      x = y  ! note
    elsewhere
      call sub7(z(:))
    end where
950 continue
  write (6, '(a)') 'call if then'
  call sub8(k + 1 .and. x /= 'text')
  end subroutine u2199
module u2299
  interface
    subroutine ext(a)
      real :: a
    end subroutine ext
  end interface
  type point
    real :: x, y
  end type point
contains
  subroutine inner_u2299(p)
    select case (n)
    case (9)
      write (6, '(a)') 'call if then'
      integer :: i, j, k
    case (7)
      if (n >= k + 1 + x) x = 1
      where (mask)
        call sub6(b(i, j) + f(x))
      elsewhere
        close (10)
      end where
    case (9)
      y(i) = z(:) < k + 1
      where (mask)
        print *, 'value', x ! trailing if
      elsewhere
        write (6, '(a)') 'call if then'
      end where
    case default
      where (m) b(:) = c
      do i = 1, n
        if (x > 0) y = &
          & 2
      enddo
    end select
    y(i) = 'text' /= x
    do i = 1, n
      a = 1; b = 2
      do i = 1, n
        endfile 10
        x = z(:) == 'text' == k + 1
        backspace 10
      end do
      where (mask)
        call sub5(f(x))
        endfile 10
      elsewhere
        read (5, *) x, y
      end where
      if (x > 0) y = &
        & 2
    enddo
    where (m) b(:) = c
    x = a + &
      & b * c
    do i = 1, n
      x = y  ! note
      y(i) = n
      do i = 1, n
        x = a + &
          & b * c
        y(i) = x
        t = x
      enddo
    enddo
    where (m) b(:) = c
    t = a(i) <= z(:)
    if (x > 0) y = &
      & 2
    s%v = x .and. a(i) /= f(x)
    x = x + z(:)
    t = f(x)
    if (x > 0) y = &
      & 2
    do while (y*'text')
      if (y .and. k + 1) go to 10
    end do
    where (mask)
      write (6, '(a)') 'call if then'
      if (b(i, j) > z(:) /= f(x)) then
        write (6, '(a)') 'call if then'
        960 format (a, i5)
        print *, 'value', x ! trailing if
        call sub7(x + k + 1)
      else if (n + b(i, j)*x) then
        go to 10
        x = y  ! note
        y(i) = x == b(i, j) /= 'text'
      else if (a(i)*f(x) == y) then
        if (f(x)) stop
      else
        write (6, '(a)') 'call if then'
        s%v = z(:)
        call sub1('text' < f(x) >= y)
      end if
    elsewhere
      write (6, '(a)') 'call if then'
    end where
    integer :: i, j, k
    x = a + &
      & b * c
    s = 'first part &
      & second part'
    y(i) = n /= x
    y(i) = z(:)*f(x) == n
    select case (n)
    case (3)
      read (5, *) x, y
      970 format (a, i5)
    case (9)
    case default
      call sub1(y)
      s%v = f(x)
    end select
    go to 10
    do 980 k = 1, m
      s%v = 'text'
980 continue
    x = 'text'
    do i = 1, n
      where (m) b(:) = c
    enddo
    if (f(x)) then
      where (m) b(:) = c
      x = a + &
        & b * c
    else if (f(x) == 'text' < b(i, j)) then
      where (mask)
        x = a + &
          & b * c
      elsewhere
        if (x > 0) y = &
          & 2
      end where
      write (6, '(a)') 'call if then'
    else if ('text' < y + y) then
      where (m) b(:) = c
      if (y) go to 10
      if (x > 0) y = &
        & 2
    else
      s = 'first part &
        & second part'
      print *, 'value', x ! trailing if
    endif
c fixed-form comment
    go to 10
    if (k + 1) then
      do i = 1, n
        integer :: i, j, k
        990 format (a, i5)
        if (x > 0) y = &
          & 2
      end do
      s%v = k + 1 >= a(i)
      t = 'text' /= y < a(i)
    else if ('text') then
      go to 10
      x = a + &
        & b * c
    endif
    s%v = k + 1
  end subroutine inner_u2299
end module u2299
module u2464
  interface
    subroutine ext(a)
      real :: a
    end subroutine ext
  end interface
  type point
    real :: x, y
  end type point
contains
  subroutine inner_u2464(p)
    integer :: i, j, k
    call sub9(k + 1 >= b(i, j))
    do i = 1, n
      do i = 1, n
        call sub1(f(x) < a(i))
        write (6, '(a)') 'call if then'
      enddo
      where (m) b(:) = c
      x = n /= y .and. n
      write (6, '(a)') 'call if then'
    enddo
    do 1000 k = 1, m
      call sub2(x)
      t = b(i, j) + a(i)
1000 continue
    do i = 1, n
      do
        close (10)
        if (x > 0) y = &
          & 2
      if (x > 9) exit
      end do
c fixed-form comment
    end do
    go to 10
    if (x > 0) y = &
      & 2
* star comment
    do while (f(x))
      where (m) b(:) = c
    end do
    rewind 10
    do while (a(i) /= f(x))
      integer :: i, j, k
      where (mask)
        integer :: i, j, k
        t = f(x) /= 'text'
      elsewhere
! free comment
      end where
      t = a(i) + x
    end do
    write (6, '(a)') 'call if then'
    t = a(i)*z(:)
    where (mask)
      if (f(x)) x = 1
    elsewhere
      where (mask)
        call sub7(b(i, j))
      elsewhere
        integer :: i, j, k
      end where
    end where
    write (6, '(a)') 'call if then'
    do 1010 k = 1, m
      do i = 1, n
        go to 10
* star comment
        y(i) = f(x)
      enddo
      where (m) b(:) = c
1010 continue
    s%v = b(i, j)
    y(i) = f(x)
    print *, 'value', x ! trailing if
    where (m) b(:) = c
    do while (z(:) <= f(x))
      s%v = 'text' <= k + 1 == z(:)
      y(i) = b(i, j) < a(i) /= a(i)
      where (mask)
        select case (n)
        case (6)
          y(i) = a(i)*z(:)
        case (4)
        end select
      elsewhere
        open (10, file='a.dat')
      end where
    end do
    do 1020 k = 1, m
      if (x > 0) y = &
        & 2
      do while (n == b(i, j))
        print *, 'value', x ! trailing if
      end do
      s = 'first part &
        & second part'
1020 continue
    if (a(i) > z(:)) then
      do 1030 k = 1, m
        t = a(i) < f(x) == y
        do 1040 k = 1, m
          inquire (file='b', exist=e)
c fixed-form comment
          if (x > 0) y = &
            & 2
1040 continue
        x = a + &
          & b * c
1030 continue
      print *, 'value', x ! trailing if
      do 1050 k = 1, m
        y(i) = f(x) .and. a(i) < y
1050 continue
      y(i) = x + z(:) <= b(i, j)
    else
      read (5, *) x, y
      call sub4(n)
      go to 10
    endif
    if (f(x)) then
      x = z(:) > 'text' == z(:)
      call sub3(k + 1 == k + 1)
      where (m) b(:) = c
      call sub2(z(:) >= y*k + 1)
    else if (n /= n > y) then
      x = 'text'
      do i = 1, n
        go to 10
        call sub7(b(i, j) /= n*z(:))
        call sub1(f(x) /= f(x) < a(i))
        s%v = k + 1*n > b(i, j)
      end do
    else if (z(:) .and. x == f(x)) then
      t = a(i)*f(x)*'text'
      rewind 10
    end if
    t = z(:) == y
    integer :: i, j, k
    x = y  ! note
    do i = 1, n
      call sub4(z(:) + z(:))
      call sub3(f(x))
      where (mask)
        t = a(i)
        x = a + &
          & b * c
      elsewhere
        s = 'first part &
          & second part'
      end where
    end do
    do while (x .and. a(i))
      y(i) = z(:) /= f(x)
      do while (n*f(x) < f(x))
        where (m) b(:) = c
        call sub9(f(x))
        print *, 'value', x ! trailing if
      end do
      call sub5(k + 1 == k + 1 <= b(i, j))
    end do
    go to 10
    do
      x = y  ! note
      1060 format (a, i5)
      x = a + &
        & b * c
    if (x > 9) exit
    end do
    print *, 'value', x ! trailing if
    do
      s = 'first part &
        & second part'
      s%v = x <= n
    if (x > 9) exit
    end do
  end subroutine inner_u2464
end module u2464
  integer function u2643(x)
  if (b(i, j)) then
    inquire (file='b', exist=e)
    a = 1; b = 2
  else if (a(i)) then
    go to 10
  else if (k + 1 > 'text') then
    y(i) = y*z(:)
  else
    read (5, *) x, y
  endif
  where (mask)
    integer :: i, j, k
  elsewhere
    x = x
  end where
  do 1070 k = 1, m
    integer :: i, j, k
1070 continue
  call sub8(k + 1 + x)
  read (5, *) x, y
  do
    do
* star comment
      call sub6(b(i, j) <= y)
    if (x > 9) exit
    end do
  if (x > 9) exit
  end do
  do
    if (f(x) == 'text' >= b(i, j)) then
      if (x > 0) y = &
        & 2
      a = 1; b = 2
    else if (b(i, j)) then
      y(i) = x
      a = 1; b = 2

    else if (z(:)) then
      x = f(x)
    else
      s%v = b(i, j) < k + 1 == 'text'
    end if
  if (x > 9) exit
  end do
  print *, 'value', x ! trailing if
  do i = 1, n
    s%v = 'text'
    do 1080 k = 1, m
      s%v = z(:) < k + 1*y
1080 continue
  enddo
  print *, 'value', x ! trailing if
  if (x < y == 'text') then
    read (5, *) x, y
    rewind 10
    x = a + &
      & b * c
  else if (x <= f(x)) then
    where (mask)
      inquire (file='b', exist=e)
      if (f(x)*f(x) + b(i, j)) call s
    elsewhere
      write (6, '(a)') 'call if then'
    end where
    x = y  ! note
    if (x) then
! free comment
c fixed-form comment
      y(i) = z(:) > a(i) > a(i)
    end if
  else
    do 1090 k = 1, m
      s = 'first part &
        & second part'
      y(i) = f(x)*z(:)
      s%v = 'text'
1090 continue
  endif
  do while (f(x) > z(:)*n)
    where (mask)
      t = x
      t = f(x)
    elsewhere
      do i = 1, n

      enddo
    end where
  end do
  do 1100 k = 1, m
    where (mask)
      t = y >= n*'text'
    elsewhere
      go to 10
    end where
    call sub4(a(i))
1100 continue
  if (b(i, j) > x) then
    select case (n)
    case (7)
      integer :: i, j, k
      x = y  ! note
    case (3)
      write (6, '(a)') 'call if then'
    case (7)
    case default
      do 1110 k = 1, m
        s = 'first part &
          & second part'
1110 continue
      call sub5(f(x) < f(x) > f(x))
    end select
    if (y >= f(x)) return
    do
      t = k + 1 >= a(i)*y
    if (x > 9) exit
    end do
    where (m) b(:) = c
  else if (b(i, j) <= k + 1) then
    do 1120 k = 1, m
      if (x > 0) y = &
        & 2
      integer :: i, j, k
1120 continue
  else if (k + 1 .and. b(i, j) > f(x)) then
    read (5, *) x, y
    integer :: i, j, k
  else
    if (x > 0) y = &
      & 2
    do while (f(x))
      open (10, file='a.dat')
      x = a + &
        & b * c
      call sub3(k + 1*f(x))
    end do
    s = 'first part &
      & second part'
  endif
  do 1130 k = 1, m
    call sub2(x*x == z(:))
    if ('text' <= 'text' /= x) then
! free comment
    else
      x = y  ! note
      s%v = f(x)
      call sub4(y /= y)
    end if
    t = y .and. f(x)
1130 continue
  if (z(:) == f(x) .and. z(:)) call s
  select case (n)
  case (2)
    do i = 1, n
      go to 10
    enddo
  case (3)
  case (7)
    if (n .and. z(:) == z(:)) return
  end select
  do 1140 k = 1, m
    1150 format (a, i5)
1140 continue
  where (mask)
    where (mask)
      s = 'first part &
        & second part'
      if (x > 0) y = &
        & 2
    elsewhere
      y(i) = a(i) >= y
    end where
  elsewhere
    s = 'first part &
      & second part'
  end where
  do i = 1, n
    integer :: i, j, k
    if (a(i)) then
      where (m) b(:) = c
      inquire (file='b', exist=e)
    else if (a(i) <= a(i) > a(i)) then
      a = 1; b = 2
      select case (n)
      case (1)
        x = 'text' .and. z(:) >= x
        1160 format (a, i5)
      case (8)
      end select
    else if (n + f(x) <= k + 1) then
      open (10, file='a.dat')
      x = a + &
        & b * c
    end if
    s = 'first part &
      & second part'
    x = b(i, j)
  enddo
  do 1170 k = 1, m
    if (a(i)) exit
    x = y  ! note
    where (m) b(:) = c
1170 continue
  do
    do 1180 k = 1, m
      x = n
      print *, 'value', x ! trailing if
      s%v = 'text' == k + 1 + a(i)
1180 continue
    a = 1; b = 2
    print *, 'value', x ! trailing if
  if (x > 9) exit
  end do
  x = a + &
    & b * c
  write (6, '(a)') 'call if then'
  if (a(i) .and. y) x = 1
c fixed-form comment
  where (mask)
    1190 format (a, i5)
  elsewhere
    y(i) = 'text' /= b(i, j)
  end where
  select case (n)
  case (8)
  case (8)
    x = a + &
      & b * c
  case default
    s = 'first part &
      & second part'
    do while (f(x) > n < y)
      if (x > 0) y = &
        & 2
    end do
  end select
  call sub8(n)
  if (a(i) > b(i, j)) exit
  t = b(i, j) >= f(x)
  do 1200 k = 1, m
    s = 'first part &
      & second part'
    if (x > 0) y = &
      & 2
1200 continue
  do i = 1, n
    s = 'first part &
      & second part'
    t = k + 1
    1210 format (a, i5)
    if (x > 0) y = &
      & 2
  enddo
  select case (n)
  case (4)
    write (6, '(a)') 'call if then'
    do
      y(i) = 'text' /= b(i, j)
    if (x > 9) exit
    end do
  case default
    call sub5('text' < 'text')
  end select
  call sub3(b(i, j))
  select case (n)
  case (9)
    call sub8(k + 1)
    t = y >= f(x)
  end select
  x = x < y < f(x)
  do while ('text' >= f(x) .and. 'text')
    where (mask)
c fixed-form comment
    elsewhere
      call sub4(n .and. z(:) /= 'text')
    end where
    call sub2(z(:) .and. b(i, j))
    where (m) b(:) = c
  end do
  return
  end function u2643
module u2924
  interface
    subroutine ext(a)
      real :: a
    end subroutine ext
  end interface
  type point
    real :: x, y
  end type point
contains
  subroutine inner_u2924(p)
    t = z(:)*x
    call sub9(b(i, j) < z(:))
    call sub8(z(:) + k + 1)
    if (n > k + 1) x = 1
    write (6, '(a)') 'call if then'
    do
      if (z(:) > n == a(i)) then
        print *, 'value', x ! trailing if
        integer :: i, j, k
        integer :: i, j, k
      else if (x /= f(x) > n) then
        integer :: i, j, k
        where (mask)
          if (x > 0) y = &
            & 2
          if (k + 1 /= b(i, j)) go to 10
        elsewhere
          call sub8(b(i, j))
        end where
c fixed-form comment
      else if (a(i) < 'text') then
        x = y  ! note
        x = y + a(i)
        s = 'first part &
          & second part'
      else
        x = n /= z(:) == a(i)
      endif
      t = b(i, j) /= k + 1 <= y
    if (x > 9) exit
    end do
    1220 format (a, i5)
    read (5, *) x, y
    call sub4(n*z(:) == z(:))
    x = y  ! note
    rewind 10
    print *, 'value', x ! trailing if
    y(i) = 'text' + n
    where (mask)
      do 1230 k = 1, m
        x = a + &
          & b * c
1230 continue
    elsewhere
      x = a + &
        & b * c
    end where
    if (n) then
      if (x + y < y) then
        call sub4(y)
        print *, 'value', x ! trailing if
        if (k + 1 < x) go to 10
        do 1240 k = 1, m
          x = a + &
            & b * c
1240 continue
      else if (y < y) then
        call sub5(k + 1)
        open (10, file='a.dat')
      endif
      call sub8(y)
    end if
    1250 format (a, i5)
    x = y  ! note
    y(i) = b(i, j) <= a(i) < y
    call sub9(x)
    1260 format (a, i5)
    do 1270 k = 1, m
      call sub3(x)
      write (6, '(a)') 'call if then'
      do
        backspace 10
        integer :: i, j, k
      if (x > 9) exit
      end do
1270 continue
  end subroutine inner_u2924
end module u2924
program u3013
  inquire (file='b', exist=e)
  do while ('text' .and. n > f(x))
    where (mask)
      do 1280 k = 1, m
        1290 format (a, i5)
        x = a + &
          & b * c
1280 continue
    elsewhere
      s%v = y == k + 1
    end where
    if (z(:)) return
    write (6, '(a)') 'call if then'
  end do
  call sub5(y > x <= f(x))
  go to 10
  if (f(x)) then
    integer :: i, j, k
  else
    write (6, '(a)') 'call if then'
    integer :: i, j, k
    do i = 1, n
      a = 1; b = 2
      x = a + &
        & b * c
      do i = 1, n
        call sub2(x*z(:) >= a(i))
        t = x .and. y
        a = 1; b = 2
        if (z(:) > n > f(x)) then
          y(i) = a(i) < b(i, j) + 'text'
        else if (n) then
          x = y + y >= n
          t = x /= n < y
          integer :: i, j, k
        else
          s%v = n == z(:)*f(x)
          write (6, '(a)') 'call if then'
        end if
      enddo
      where (m) b(:) = c
    enddo
  end if
  s = 'first part &
    & second part'
  if (y + x) then
    if (x > 0) y = &
      & 2
    t = n > 'text'
    select case (n)
    case (9)
      where (mask)
        write (6, '(a)') 'call if then'
        integer :: i, j, k
      elsewhere
        x = y  ! note
      end where
      t = k + 1 > f(x) .and. x
    case default
      call sub8(a(i) + y)
    end select
  else if (n <= b(i, j)*a(i)) then
    endfile 10
    do while (b(i, j) .and. z(:))
      go to 10
    end do
  else if (n > z(:) <= a(i)) then
    1300 format (a, i5)
    print *, 'value', x ! trailing if
    do 1310 k = 1, m
      write (6, '(a)') 'call if then'
1310 continue
  else
    do i = 1, n
      read (5, *) x, y
      y(i) = y /= 'text' .and. b(i, j)
    enddo
* star comment
    do
      if (x > 0) y = &
        & 2
      s = 'first part &
        & second part'
      where (mask)
        y(i) = a(i)
        a = 1; b = 2
      elsewhere
        call sub3(f(x))
      end where
    if (x > 9) exit
    end do
  endif
  do 1320 k = 1, m
    if (x > 0) y = &
      & 2
! free comment
1320 continue
  print *, 'value', x ! trailing if
  where (mask)
    do 1330 k = 1, m
      do i = 1, n
        integer :: i, j, k
        backspace 10
        y(i) = z(:) + k + 1 <= k + 1
      enddo
1330 continue
  elsewhere
    call sub3(k + 1 < 'text' .and. x)
  end where
  x = y  ! note
  select case (n)
  case (3)
    x = a + &
      & b * c
  case (7)
    if (k + 1 > k + 1) then
* star comment
      s%v = f(x)
    else if ('text') then
      s%v = z(:) >= b(i, j)
      do while (f(x) .and. 'text' < b(i, j))
        close (10)
      end do
    endif
    call sub3(z(:))
  case (5)
  end select
  if (k + 1 < f(x)) then
    open (10, file='a.dat')
    t = y <= f(x)
    read (5, *) x, y
    y(i) = f(x) == 'text'
  end if
  1340 format (a, i5)
  where (m) b(:) = c
  do while (n*z(:) <= a(i))
    if (b(i, j) <= x < a(i)) then
      print *, 'value', x ! trailing if
      s = 'first part &
        & second part'
    else if (a(i) == k + 1) then
      call sub4(n)
      x = y  ! note
    else if (k + 1 >= y) then
      if (k + 1) stop
c fixed-form comment
      x = y  ! note
    else
      go to 10
      if (x /= k + 1 > n) exit
    end if
  end do
  do 1350 k = 1, m
    call sub2(k + 1 .and. k + 1 == x)
1350 continue
  do
    y(i) = z(:)
    if (y + a(i) > z(:)) then
      s = 'first part &
        & second part'
      x = y  ! note
    else if (b(i, j) > 'text') then
      integer :: i, j, k
      1360 format (a, i5)
    else
      y(i) = f(x) > z(:) + 'text'
      if (k + 1 /= x > a(i)) then
        a = 1; b = 2
        x = a(i)
        do
          1370 format (a, i5)
          a = 1; b = 2
          if (z(:)) then
            x = y  ! note
            x = y  ! note
            if (x > 0) y = &
              & 2

          else if (f(x)) then
! free comment
            x = a + &
              & b * c
            s = 'first part &
              & second part'
          else
            print *, 'value', x ! trailing if
            call sub8('text' + 'text')
          end if
        if (x > 9) exit
        end do
        call sub8('text' + f(x) + x)
      endif
    endif
  if (x > 9) exit
  end do
  x = a(i) == y
  go to 10
end program u3013
  integer function u3212(x)
  call sub8(k + 1)
  x = y + b(i, j)*n
  do while (n == y)
    x = k + 1 > b(i, j)
    a = 1; b = 2
    where (mask)
      read (5, *) x, y
    elsewhere
      do
        y(i) = n == x
        if (x > 0) y = &
          & 2
      if (x > 9) exit
      end do
    end where
  end do
  do 1380 k = 1, m
    y(i) = y
1380 continue
  call sub4(b(i, j))
  rewind 10
  do i = 1, n
    where (mask)
      a = 1; b = 2
    elsewhere
      call sub8(y)
    end where
    do 1390 k = 1, m
      y(i) = a(i) > f(x)
1390 continue
  end do
  do while (f(x))
    a = 1; b = 2
    x = y  ! note
  end do
  do while (b(i, j))
    do
      do 1400 k = 1, m
        print *, 'value', x ! trailing if
        do 1410 k = 1, m
          y(i) = b(i, j) <= z(:) /= n
          1420 format (a, i5)
1410 continue
1400 continue
    if (x > 9) exit
    end do
  end do
  read (5, *) x, y
  do
    if (x > 0) y = &
      & 2
  if (x > 9) exit
  end do
  where (mask)
    do

      do i = 1, n
        x = y  ! note
        if (x) then
! free comment
          print *, 'value', x ! trailing if
          a = 1; b = 2
        else if ('text' + k + 1*k + 1) then
          s = 'first part &
            & second part'
        else if (n <= y) then
          call sub9(x <= 'text')
          x = a + &
            & b * c
          read (5, *) x, y
        else
          do
            s%v = k + 1 >= k + 1
* star comment
            x = x <= 'text' < y
          if (x > 9) exit
          end do
        end if
      end do
    if (x > 9) exit
    end do
    x = y  ! note
  elsewhere
    do 1430 k = 1, m
      x = a(i) >= a(i) == f(x)
1430 continue
  end where
  do i = 1, n
    s = 'first part &
      & second part'
    do 1440 k = 1, m
      select case (n)
      case (5)
        where (mask)
          integer :: i, j, k
          1450 format (a, i5)
        elsewhere
          a = 1; b = 2
        end where
        read (5, *) x, y
      case default
        print *, 'value', x ! trailing if
        x = y  ! note
      end select
1440 continue
  end do
  where (mask)
    inquire (file='b', exist=e)
  elsewhere
    t = b(i, j) .and. f(x) + n
  end where
  do while (z(:) <= b(i, j))
c fixed-form comment
  end do
  x = y  ! note
  do 1460 k = 1, m
    write (6, '(a)') 'call if then'
    call sub9(x <= z(:) == y)
1460 continue
  x = y > z(:) /= b(i, j)
  if (y > y) then
    do
      where (m) b(:) = c
      s%v = z(:)
      call sub7(n)
    if (x > 9) exit
    end do
    do while (a(i) + b(i, j) <= a(i))
      x = a + &
        & b * c
      do 1470 k = 1, m
        y(i) = k + 1 > z(:)*z(:)
        a = 1; b = 2
        go to 10
1470 continue
      read (5, *) x, y
    end do
    close (10)
  else if (b(i, j) /= b(i, j)) then
    do 1480 k = 1, m
      select case (n)
      case (7)
        print *, 'value', x ! trailing if
        s = 'first part &
          & second part'
      case (7)
        x = a + &
          & b * c
      end select
      if (k + 1 == f(x)) call s
1480 continue
    print *, 'value', x ! trailing if
  else
    s = 'first part &
      & second part'
  end if
  select case (n)
  case (4)
  case (6)
    y(i) = b(i, j) /= 'text'
    select case (n)
    case (9)
    case default
      if (x > 0) y = &
        & 2
      x = a(i) == n /= a(i)
    end select
  case default
    x = b(i, j)
  end select
  go to 10
  if (b(i, j)) then
    do
      x = k + 1 == k + 1 /= 'text'
      x = y  ! note
    if (x > 9) exit
    end do
  else if (y) then
    t = b(i, j)
  else if (k + 1 > a(i) <= x) then
    x = y  ! note
    integer :: i, j, k
  else
    if (k + 1 + x) then
      where (m) b(:) = c
      do
        call sub8(a(i) == y*a(i))
        if (z(:)) exit
      if (x > 9) exit
      end do
    else if (z(:) < f(x) < x) then
      go to 10
      do 1490 k = 1, m
        1500 format (a, i5)
        integer :: i, j, k
        y(i) = y <= z(:)
1490 continue
      write (6, '(a)') 'call if then'
    else if ('text') then
      s%v = k + 1
      where (mask)
        x = k + 1*a(i)
      elsewhere
        call sub4('text')
      end where
    end if
    where (m) b(:) = c
    x = 'text'
  end if
  return
  end function u3212
  subroutine u3424(a, b)
  s%v = k + 1*a(i)
  call sub4('text')
  do i = 1, n
    y(i) = y
    do 1510 k = 1, m
      y(i) = k + 1 >= b(i, j) > z(:)
1510 continue
    if (b(i, j)*'text' > 'text') then
      x = 'text' <= 'text' > 'text'
    end if
  end do
  integer :: i, j, k
  write (6, '(a)') 'call if then'
  where (mask)
    s%v = y + x > a(i)
  elsewhere
    if (x > 0) y = &
      & 2
  end where
  x = y
  do while ('text')
    read (5, *) x, y
    go to 10
    where (m) b(:) = c
  end do
  do while (y)
    do
      s = 'first part &
        & second part'
    if (x > 9) exit
    end do
  end do
  do i = 1, n
    integer :: i, j, k
    call sub1('text' >= b(i, j) .and. k + 1)
    do 1520 k = 1, m
      a = 1; b = 2
      a = 1; b = 2
1520 continue
    close (10)
  enddo
  do
    x = y  ! note
    t = x
  if (x > 9) exit
  end do
  if (n >= x) then
    call sub6(x < z(:) .and. f(x))
    where (m) b(:) = c
    call sub6(n)
  else if (z(:) + y) then
    go to 10
    do i = 1, n
      x = f(x) == x .and. a(i)
      call sub3(b(i, j) >= f(x))
      s%v = f(x)
      do while (a(i))
        call sub2(z(:))
        integer :: i, j, k
      end do
    end do
  else
    do
      x = a + &
        & b * c
      call sub5(z(:)*a(i)*x)
    if (x > 9) exit
    end do
  endif
  end subroutine u3424
program u3495
  y(i) = 'text'
  select case (n)
  case (4)
    s = 'first part &
      & second part'
    print *, 'value', x ! trailing if
  case (6)
  case default
    where (mask)
      a = 1; b = 2
    elsewhere
      s%v = a(i)
    end where
    where (mask)
      x = k + 1
      print *, 'value', x ! trailing if
    elsewhere
      1530 format (a, i5)
    end where
  end select
  do
    do i = 1, n
      t = b(i, j) /= a(i) > n
      s%v = z(:)
      print *, 'value', x ! trailing if
      t = n <= 'text'
    end do
    x = k + 1 < 'text' + x
    call sub9(b(i, j) == a(i)*z(:))
  if (x > 9) exit
  end do
  s = 'first part &
    & second part'
  do
    do 1540 k = 1, m
      if (x > 0) y = &
        & 2
      t = y
      print *, 'value', x ! trailing if
1540 continue
  if (x > 9) exit
  end do
end program u3495
module u3539
  interface
    subroutine ext(a)
      real :: a
    end subroutine ext
  end interface
  type point
    real :: x, y
  end type point
contains
  subroutine inner_u3539(p)
    x = y  ! note
    if (x /= x >= k + 1) exit
    where (mask)
      x = y  ! note
      if (b(i, j) > f(x) == k + 1) exit
    elsewhere
      read (5, *) x, y
    end where
    if ('text' + n >= a(i)) go to 10
    where (m) b(:) = c
    read (5, *) x, y
    do while (y /= z(:))
      x = y  ! note
      select case (n)
      case (3)
      case default
        print *, 'value', x ! trailing if
        a = 1; b = 2
      end select
    end do
    1550 format (a, i5)
    where (m) b(:) = c
    s = 'first part &
      & second part'
    if (f(x) > a(i) + x) stop
    x = a + &
      & b * c
    where (mask)
      y(i) = z(:) /= f(x) > b(i, j)
      do while (b(i, j) <= y)
        do while (n == f(x))
          a = 1; b = 2
        end do
        write (6, '(a)') 'call if then'
        a = 1; b = 2
      end do
    elsewhere
      x = x
    end where
    do i = 1, n
      backspace 10
      go to 10
    end do
    select case (n)
    case (8)
      write (6, '(a)') 'call if then'
      x = y <= x < b(i, j)
    end select
    write (6, '(a)') 'call if then'
    x = y  ! note
    endfile 10
    do
      call sub4('text' + z(:) <= n)
      s = 'first part &
        & second part'
    if (x > 9) exit
    end do
    if (b(i, j) >= f(x)) exit
    t = n
    open (10, file='a.dat')
  end subroutine inner_u3539
end module u3539
program u3612
  s%v = x >= z(:) < n
  do
    do 1560 k = 1, m
      s = 'first part &
        & second part'
1560 continue
    do while (z(:) + f(x) /= 'text')
      if (x < 'text' >= 'text') go to 10
* star comment
      y(i) = f(x) .and. x + 'text'
    end do
    call sub9(n /= z(:) + k + 1)
  if (x > 9) exit
  end do
  do
    where (m) b(:) = c
    if (x > 0) y = &
      & 2
  if (x > 9) exit
  end do
  where (mask)
    if (f(x) /= f(x)) stop
  elsewhere
    where (mask)
      write (6, '(a)') 'call if then'
    elsewhere
      a = 1; b = 2
    end where
  end where
  go to 10
  if ('text' /= f(x)) then
    t = a(i) > n < k + 1
    do 1570 k = 1, m
      t = z(:)
      t = n
1570 continue
    x = y  ! note
    x = f(x) <= f(x) /= 'text'
  else
    do while ('text'*'text' > 'text')
      close (10)
      1580 format (a, i5)
      do while (n == z(:))
        read (5, *) x, y
      end do
    end do
  end if
  write (6, '(a)') 'call if then'
  do 1590 k = 1, m
    s%v = y >= f(x)*n
    if (z(:) < n > f(x)) then
      x = y  ! note
      if ('text' > y >= x) then
        a = 1; b = 2
        s = 'first part &
          & second part'
        write (6, '(a)') 'call if then'
        integer :: i, j, k
      else if (k + 1 >= f(x)) then
        call sub2(f(x) /= z(:) /= b(i, j))
        do while (a(i))
          call sub4(a(i) /= k + 1)
          print *, 'value', x ! trailing if
          read (5, *) x, y
        end do
      else if ('text' /= z(:)) then
        t = k + 1
        x = y  ! note
        s = 'first part &
          & second part'
      else
        a = 1; b = 2
      endif
      s = 'first part &
        & second part'
    else if (b(i, j) <= b(i, j)) then
      call sub8(f(x))
      x = y + z(:) .and. y
      print *, 'value', x ! trailing if
    else if (a(i) < z(:) < b(i, j)) then
c fixed-form comment
      x = a + &
        & b * c
    end if
c fixed-form comment
1590 continue
  do while (x)
    go to 10
    call sub1(y)
  end do
  do 1600 k = 1, m
    do i = 1, n
      read (5, *) x, y
    enddo
    y(i) = 'text'
1600 continue
  do
    do 1610 k = 1, m
      y(i) = z(:)
c fixed-form comment
1610 continue
  if (x > 9) exit
  end do
  if (x + n .and. x) then
    call sub9(n)
    go to 10
    x = y  ! note
  else
    write (6, '(a)') 'call if then'
  endif
  where (m) b(:) = c
  do 1620 k = 1, m
    select case (n)
    case (2)
      1630 format (a, i5)
      where (m) b(:) = c
    case (2)
      t = k + 1 < z(:) > 'text'
    end select
    if (y*y) return
1620 continue
end program u3612
module u3735
  interface
    subroutine ext(a)
      real :: a
    end subroutine ext
  end interface
  type point
    real :: x, y
  end type point
contains
  subroutine inner_u3735(p)
    do
      y(i) = 'text'*f(x) >= x
      select case (n)
      case (1)
        s%v = n < f(x) == y
        1640 format (a, i5)
      case (5)
        a = 1; b = 2
      case default
        s = 'first part &
          & second part'
      end select
      write (6, '(a)') 'call if then'
    if (x > 9) exit
    end do
c fixed-form comment
    t = y
    close (10)
    if (y*k + 1) then
      1650 format (a, i5)
    else
      x = y  ! note
    endif
    do
      call sub3(b(i, j)*'text')
      s%v = 'text' == f(x) < n
    if (x > 9) exit
    end do
    t = k + 1
    call sub7(y)
    if (x > 0) y = &
      & 2
    do
      if (n + 'text' /= f(x)) stop
      t = k + 1 .and. x < z(:)
      if (z(:) > 'text') x = 1
    if (x > 9) exit
    end do
    if (f(x)) return
    print *, 'value', x ! trailing if
    do
      print *, 'value', x ! trailing if
      integer :: i, j, k
      integer :: i, j, k
    if (x > 9) exit
    end do
    select case (n)
    case (3)
      x = b(i, j) == k + 1
    case (9)
      print *, 'value', x ! trailing if
      if (f(x) < n) then
        read (5, *) x, y
        1660 format (a, i5)
        x = y  ! note
        where (mask)
          1670 format (a, i5)
          where (m) b(:) = c
        elsewhere
          x = y  ! note
        end where
      else if ('text') then
        call sub1(a(i) == b(i, j) >= y)
        if (x > 0) y = &
          & 2
        rewind 10
      else
        where (m) b(:) = c
        call sub7(k + 1)
        call sub5(x)
      endif
    case default
      y(i) = k + 1 == y
    end select
    if (f(x) + y /= 'text') then
      if (b(i, j)*k + 1) return
      do while (y > 'text' .and. 'text')
        x = x <= a(i)
        if (y) x = 1
        call sub1(n)
      end do
      call sub5(z(:) == 'text')
    else if (n >= z(:)) then
      where (m) b(:) = c
      where (mask)
        integer :: i, j, k
      elsewhere
        if (z(:) > f(x) < n) then
          y(i) = 'text' /= f(x) > f(x)
          1680 format (a, i5)
        else if (f(x) + f(x)) then
          integer :: i, j, k
          write (6, '(a)') 'call if then'
          print *, 'value', x ! trailing if
        else if (z(:) + y >= z(:)) then
          do i = 1, n
            a = 1; b = 2
            x = y  ! note
          enddo
          where (m) b(:) = c
          print *, 'value', x ! trailing if
        endif
      end where
      x = a + &
        & b * c
    else if (z(:) + x) then
      if (z(:)*k + 1) then
        integer :: i, j, k
      else if (z(:)) then
        x = b(i, j) .and. z(:) <= z(:)
      else if (n < x) then
        s%v = x + f(x)
        do while (y <= f(x) < z(:))
          t = b(i, j)
          call sub5('text' < x)
        end do
      end if
    end if
    select case (n)
    case (5)
    case (9)
      do 1690 k = 1, m
        close (10)
        x = y  ! note
1690 continue
    end select
    x = a + &
      & b * c
    do 1700 k = 1, m
      go to 10
      where (m) b(:) = c
      read (5, *) x, y
1700 continue
    endfile 10
    integer :: i, j, k
c fixed-form comment
    x = y  ! note
    integer :: i, j, k
    x = x .and. a(i)
    endfile 10
    go to 10
    do
      t = 'text'*b(i, j) > f(x)
      endfile 10
      where (m) b(:) = c
    if (x > 9) exit
    end do
    t = 'text' .and. f(x)
    select case (n)
    case (7)
    case (2)
    case default
      x = a + &
        & b * c
      x = y  ! note
    end select
  end subroutine inner_u3735
end module u3735
module u3904
  interface
    subroutine ext(a)
      real :: a
    end subroutine ext
  end interface
  type point
    real :: x, y
  end type point
contains
  subroutine inner_u3904(p)
    t = f(x) + x*a(i)
    write (6, '(a)') 'call if then'
    where (m) b(:) = c
    t = b(i, j)
    go to 10
  end subroutine inner_u3904
end module u3904
  integer function u3922(x)
  do i = 1, n
    x = z(:)*'text' < y
    print *, 'value', x ! trailing if
  enddo
  do while (n < z(:) > x)
    do
      do 1710 k = 1, m

        y(i) = n > k + 1 <= y
1710 continue
      s%v = n*'text' == y
    if (x > 9) exit
    end do
  end do
  if (z(:)) then
    rewind 10
    call sub3(b(i, j))
    x = a + &
      & b * c
    do i = 1, n
      where (mask)
        x = n <= k + 1 .and. x
      elsewhere
        if (x > 0) y = &
          & 2
      end where
    end do
  else if (x*y) then
    if (x) then
      where (m) b(:) = c
      if (x > 0) y = &
        & 2
      s = 'first part &
        & second part'
    else if (b(i, j) .and. a(i)) then
      select case (n)
      case (5)
        a = 1; b = 2
        s = 'first part &
          & second part'
      end select
    else
      write (6, '(a)') 'call if then'
      go to 10
! free comment
    endif
    t = 'text' >= n
  endif
  select case (n)
  case (7)
    do
      x = a + &
        & b * c
      s%v = z(:)
      do 1720 k = 1, m
        print *, 'value', x ! trailing if
1720 continue
    if (x > 9) exit
    end do
  case default
    where (mask)
      integer :: i, j, k
      if (a(i)) return
    elsewhere
      print *, 'value', x ! trailing if
    end where
    x = a + &
      & b * c
  end select
  do 1730 k = 1, m
    y(i) = k + 1
    x = a + &
      & b * c
1730 continue
  call sub7('text'*'text')
  x = a + &
    & b * c
  return
  end function u3922
