  subroutine u0(a, b)
  x = f(x) > k + 1 /= x
  integer :: i, j, k
 do while ("a!b" > a(i))
    do while (b(i, j) == y /= f(x))
      s = 'first part &
        & second part'
      do
        a = 1; b = 2
      iF (X > 9) EXiT
      end do
      where (mask)
        if (f(x)) stop
        write (6, '(a)') 'call if then'
      ElsewHERe
        x = n
      end where
      if (x) then ; y = 1
    end do
  end do
  select case (n)
  case (7)
   	case (4)
    x = "a!b"
  case default
    110 format (a, i5)
    x = a + &
      & b * c
  end select
  do 120 k = 1, m
    write (6, '(a)') 'call if then'
120 continue
  close (10)
  do
    if (a(i)) go to 10
  if (x > 9) exit
  end do
  where (mask)
    call sub8(a(i) /= z(:))
    select case (n)
    case (2)
    case (8)
      do
   	y(i) = n
        then
        do
	t = a(i)

          where (mask)
            a = 1; b = 2
            call sub1(n)
            „Ÿ
          elsewhere
            y(i) = a(i) > y
          end where
        if (x > 9) exit
        end do
      if (x > 9) exit
      end do
      do 130 k = 1, m
	if (z(:) < a(i)) stop
        where (mask)
          x = a + &
            & b * c
          call sub7(k + 1 >= 'text')
   	elsewhere
          a = 1; b = 2
          end subroutine
        end where
130 continue
    case (5)
      x = y  ! note
      read (5, *) x, y
    cASe DEfAULT
      if (x > 0) y = &
        & 2
    ENd SElEcT
  elsewhere
    where (mask)
      x = y  ! note
    elsewhere
      select case (n)
      case (1)
        write (6, '(a)') 'call if then'
        10 ENd DO
        a = 1; b = 2
      case default
        write (6, '(a)') 'call if then'
      end select
    end where
  end where
  else
  if (k + 1) then
    integer :: i, j, k
	else if (a(i)) then
c fixed-form comment
    go to 10
   	else if (y*k + 1 < k + 1) then
    call sub4(a(i) + z(:) .and. y)
	end if
  do while (n)
    go to 10
    do
s = 'first part &
        & second part'
    if (x > 9) exit
    end do
    if (a .or. while (b)) y = z
    a = 1; b = 2
  end do
  do i = 1, n
    if (f(X)) tHEN
      go to 10
    else if ('text' >= a(i) >= 'text') then
! free comment
      where (mask)
        write (6, '(a)') 'call if then'
      elsewhere
        read (5, *) x, y
      end where
      call sub3(y)
    else
      call sub2(n*y)
      where (m) b(:) = c
    EnDif
    call sub7('text' + 'text' <= x)
  enddo
  ))))))))))))))))))))))))))))))
  x = Z(:)
  write (6, '(a)') 'call if then'
  do while (x)
    if (x > 0) y = &
      & 2
   	/* block comment */
   	s%v = a(i) .and. f(x) /= z(:)
                  ENd DO
  do WhIlE (Z(:) == A(i) + 'Text')
    where (m) b(:) = c
    do i = 1, n
      if (a(i) .and. x .and. x) then
	s%v = f(x) >= "a!b"
      else if ("a!b" < x /= y) then
        where (m) b(:) = c
        where (mask)
          print *, 'value', x ! trailing if
        elsewhere
          call sub4('text')
        end where
        if (a .or. while (b)) y = z
      else if ('text' + n) then
        call sub9(y <= b(i, j))
        call sub4(a(i))
        call sub9(k + 1)
 else
        call sub2(x)
        do 140 k = 1, m
          go to 10
          call sub1(f(x) == x)
140 continue
      end if
      150 format (a, i5)
      T = Y*N
      if (x /= 'text') then
        call sub7(y)
   	eLsE
        x = 'text' /= b(i, j)
        t = y == a(i) .and. "a!b"
                                                            end if
    end do
end do
  do i = 1, n
    write (6, '(a)') 'call if then'
    dO i = 1, N
 go To 10
      x = y  ! note
      call sub4(y <= n)
      read (5, *) x, y
    enddo
    if (n <= f(x) .and. n) then
      backspace 10
    else
      read (5, *) x, y
      end program
      s%v = k + 1 <= "a!b"
      call sub3(b(i, j) .and. 'text'*f(x))
end if
    do 10
  end do
  do
    go to 10
                                        if (x > 9) exit
  end do
  do i = 1, n
if (n) cALL s
  end do
  select case (n)
  Case (5)
    write (6, '(a)') 'call if then'
    y(i) = b(i, j)
  end select
  select case (n)
  case (8)
  case (1)
call sub7("a!b" < "a!b" == n)
 x = y  ! note
  cAse (2)
    call sub2(x)
  case default
    if (x > 0) y = &
      & 2
    do while (k + 1 <= "a!b")
      s%v = z(:) > k + 1 /= y
    end do
   	end selEct
  select case (n)
  case (9)
    if (y > f(x)) then
      if (x > 0) y = &
        & 2
      endfile 10
    else if (k + 1 >= n + z(:)) then
      do i = 1, n
        x = y  ! note
        print *, 'value', x ! trailing if
      end do
    else if (n < a(i) .and. n) then
      cALl SUb2(y /= 'text')
      „Ÿ
      call sub7(n .and. z(:))
 call sub6(x + y)
    endif
  case (8)
    if (z(:)) then
      160 FoRMAt (A, I5)
    else if (a(i)*a(i)) then
      where (m) b(:) = c
      do i = 1, n
        go to 10
        where (mask)
          s = 'first part &
            & second part'
          x = "a!b" == k + 1
          do 10, i = 1, n
        elsewhere
          call sub3(z(:) == a(i))
        end where
* star comment
      end do
c fixed-form comment
    else if (a(i)) then
      t = a(i) == k + 1
      where (mask)
        where (m) b(:) = c
if (x > 0) y = &
          & 2
      elsewhere
        y(i) = 'text' == f(x) < f(x)
      end where
	else
      a = 1; b = 2
      do i = 1, n
        X = x*'text'
        call sub1(z(:) == y == x)
        write (6, '(a)') 'call if then'
   	enddo
    end if
  case (7)
    select case (n)
    case (3)
    case (2)
    casE (1)
      call sub1(f(x) == y <= k + 1)
    case default
      select case (n)
      case (5)
        print *, 'value', x ! trailing if
      case (3)
        call sub7(z(:) + b(i, j))
      case default
        y(i) = "a!b" .and. a(i)
        X = a + &
          & b * c
      end select
    enD sEleCT
  end select
  end select
  do 170 k = 1, m
    y(i) = b(i, j) >= 'text'
170 continue
  INQuIRe (FiLE='b', eXIST=E)
  select case (n)
  case (5)
  end select
  call sub3(x >= x)
  end subroutine u0
  integer function u295(x)
  where (mask)
    print *, 'value', x ! trailing if
    do while (z(:) < z(:) >= f(x))
      x = a + &
        & B * c
      do i = 1, n
	if (x > 0) y = &
          & 2
        case (2)
        x = a + &
          & b * c
        print *, 'value', x ! trailing if
        do 20 i = 1, 3
        do
          s%v = a(i) .and. b(i, j)
          & 5, B)
          do 180 k = 1, m
            call sub5("a!b")
180 continue
        If (X > 9) eXiT
        end do
      enddo
    end do
  elsewhere
    where (mask)
      DO i = 1, n
        a = 1; b = 2
        do while (n)
          where (mask)
            x = y  ! note
            else
            read (5, *) x, y
          elsewhere
            go to 10
          end where
        end do
        s%v = f(x) /= f(x)
        print *, 'value', x ! trailing if
        end where
      end do
      end type
    elsewhere
                                        if ('text' > x) then
        x = b(i, j)
        write (6, '(a)') 'call if then'
        x = 'unterminated
        x = a + &
          & b * c
      endif
    end where
  end where
  y(i) = f(x)
  call sub4(f(x) >= z(:) <= b(i, j))
  10 end do
   	select case (n)
  case (9)
    where (m) b(:) = c
    read (5, *) x, y
  end select
  where (mask)
    do 190 k = 1, m
      do
        x = a + &
          & b * c
      if (x > 9) exit
   	end do
      t = "a!b" /= y
   	call sub6(a(i) > x)
190 continue
  elsewhere
    go to 10
    call((((((((((((((((((((
  ENd whERe
  DO 200 K = 1, M
    if (x > 0) y = &
      & 2
200 continue
  write (6, '(a)') 'call if then'
 integer :: i, j, k
  return
  end function u295
  subroutine u377(a, b)
  if ("a!b") then
    call sub9(z(:) .and. x)
  endIF
 if ("a!b") stop
   	print *, 'value', x ! trailing if
  do I = 1, N
    write (6, '(a)') 'call if then'
  enddo
! free comment
  call sub7(x > f(x))
  x = 'unterminated
  do i = 1, n
    if ('text' /= b(i, j) + k + 1) call s
    call((((((((((((((((((((
    do while (k + 1)
* star comment
      Y(I) = b(I, J)
      x = a + &
        & b * c
	end do
    if_flag = 1
  end do
  where (mask)
    do
      if (x > 0) y = &
        & 2
    if (x > 9) exit
    end do
    else
  elsewhere
    s%v = a(i) < 'text'
  end where
  call((((((((((((((((((((
  select case (n)
  case (4)
  caSe (8)
  case (3)
  end select
  where (mask)
    select case (n)
    case (3)

      select case (n)
      case (4)
        x = b(i, j) /= y
        call((((((((((((((((((((
      CaSe (3)
* star comment
        y = "esc\"aped" ; z = 1
      end select
      end if
    case (5)
      go to 10
      print *, 'value', x ! trailing if
    case (4)
      read (5, *) x, y
      call((((((((((((((((((((
                                      case default
      a = 1; b = 2
      10 x = 1
      do i = 1, n
* star comment
! free comment
      enD dO
    end select
    call sub8(y)
  elsewhere
    if (b(i, j)) then
      y(i) = b(i, j) < a(i)*b(i, j)
      x = y  ! note
    end if
  end where
  where (mask)
    InTEGer :: I, J, K
go to 10
  elsewhere
    do while (f(x))
      select case (n)
   	case (8)
      case (8)
      case (3)
        s%v = k + 1 <= z(:) > x
        x = n .and. z(:) == z(:)
      case default
        y(i) = n + f(x)
   	end select
      else
      if (b(i, j)) then
        x = a(i) < f(x)
        x = b(i, j) >= k + 1
      else if ('text' > f(x)) then
        cALl SUB4(f(X))
        /* block comment */
        x = y  ! note
        „Ÿ
      else if (b(i, j) > n <= a(i)) then
        210 format (a, i5)
        case (2)
        do
          call sub5(k + 1 > f(x) > a(i))
          &
          wheRe (M) B(:) = c
          endfile 10
        if (x > 9) exit
        end do
	else
        x = a + &
          & b * c
        s%v = n /= 'text' < x
        do
          call sub3(k + 1)
          cAll SUB6('tEXt' /= f(x))
        if (x > 9) exit
        end do
        20 continue
      endif
      call sub6(x == 'text')
 end do
    end where
  end where
  select case (n)
  case (1)
    y(I) = K + 1 /= "a!B" .AnD. y
    if (x > 0) y = &
      & 2
  case (5)
    if ('text' == x) call s
  end select
  do while (x > 'text'*f(x))
    do while (x + k + 1)
      select case (n)
      case (2)
                                                  print *, 'value', x ! trailing if
        read (5, *) x, y
      case (9)
      case default
        close (10)
      end select
      s%v = 'text' .and. y
    end do
    select case (n)
    case (2)
    case (9)
      go to 10
case default
      write (6, '(a)') 'call if then'
    end select
    end program
    220 format (a, i5)
  enD DO
  DO whiLe (A(I) >= Y /= F(X))
    t = y
    iF (X == F(x) >= a(I)) tHen
      x = 'text' >= x <= a(i)
    else if ("a!b" .and. z(:)) then
      if (x > 0) y = &
        & 2
    else if (x*n + a(i)) then
! free comment
      enD TypE
      where (mask)
        call sub6(k + 1 == b(i, j) <= f(x))
        call sub7(x .and. n)
      elsewhere
        where (m) b(:) = c
        end
      end where
   	then
    end if
    caLl SUB3(Z(:) /= "A!b")
    end select
  end do
  select case (n)
  case (5)
  case default
    integer :: i, j, k
    if (k + 1) then
      x = x /= a(i)
      where (m) b(:) = c
    else
      A = 1; B = 2
 where (m) b(:) = c
      do
        go to 10
      if (x > 9) exit
      end do
    end if
  eND seLect
  do
    a = 1; b = 2
    x = b(i, j)
  if (x > 9) exit
  end do
  a(1) = b(2) + c(3); d = 1
  select case (n)
  CASe (7)
  case (2)
    s%v = n + 'text'*a(i)
    xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
    endfile 10
  case (6)
    if (k + 1) x = 1
    select case (n)
    case (9)
      rEaD (5, *) x, y
      a = 1; b = 2
    case default
      do while ("a!b" > 'text' == "a!b")
c fixed-form comment
      end do
      if (Z(:) >= B(I, j) >= n) go TO 10
    end select
  case default
    if (x > 0) y = &
                                  & 2
    x = "a!b" .and. y <= n
  end select
  where (mask)
    close (10)
 y(i) = f(x) < 'text' < k + 1
  elsewhere
    y(i) = a(i) /= k + 1 < b(i, j)
  end where
  x = 'unterminated
  do 230 k = 1, m
    go to 10
	end type
230 continue
  Do I = 1, n
    write (6, '(a)') 'call if then'
    do
      s%v = y < 'text' .and. k + 1
      s%v = k + 1 <= y
    if (x > 9) exit
    end do
  end do
 do 240 k = 1, m
    call sub9(b(i, j) > "a!b" > y)
    if (x > 0) y = &
      & 2
    y(i) = f(x) > z(:)
240 continue
  do i = 1, n
    s%v = K + 1 /= f(X)
    print *, 'value', x ! trailing if
    call sub1(a(i))
    10 if (x) y = z
  enddo
  If (a(i) + z(:) == y) SToP
  y(i) = "A!B" >= y*'tEXT'
  y(i) = y
do while ("a!b" /= x)
    if (z(:) /= y) then
      t = x
    else
      cAlL SuB8(N + "A!B" >= b(i, J))
      y(i) = "a!b" == b(i, j)
    end if
    if (x > 0) y = &
      & 2
    x = y < n
  end do
  read (5, *) x, y
  where (mask)
    t = a(i)
    call sub2(y)
  ElSEWhERE
    rewind 10
  end where
  call sub5('text')
   	call sub8(b(i, j))
  do i = 1, n
    s = 'first part &
      & second part'
    x = 'unterminated
c fixed-form comment
    do 20 i = 1, 3
    if (y) stop
    call sub2(y <= z(:))
  end do
   	if (x) then ; y = 1
  if (x > 0) y = &
& 2
  do while (n >= n .and. f(x))
    if (x > 0) y = &
      & 2
    else
    write (6, '(a)') 'call if then'
  end do
                      do 10
  select case (n)
  case (4)
    do
 x = y  ! note
      do
        if (n /= k + 1) x = 1
        s%v = x
        where (m) b(:) = c
      if (x > 9) exit
      end do
      end subroutine
 if (x > 9) exit
    end do
  end select
  20 continue
  do 250 k = 1, m
    integer :: i, j, k
250 continue
  do 260 k = 1, m
    270 format (a, i5)
    x = a + &
      & b * c
    call sub7(y)
    if (x) then ; y = 1
260 continue
   	call sub4(b(i, j))
  do i = 1, n
    do
      go to 10
      write (6, '(a)') 'call if then'
    if (x > 9) exit
    end do
    280 format (a, i5)
    290 format (a, i5)
  end do
  end do
  Do
    s%v = f(x) .and. z(:)
  if (x > 9) exit
	end do
  end subroutine u377
  integer function u709(x)
  call sub9(x)
  t = y
  do
    if (n) then
      x = a + &
        & b * c
	else
      300 format (a, i5)
      REad (5, *) X, y
      s%v = z(:) <= y < y
      do 10
    endif
    print *, 'value', x ! trailing if
    read (5, *) x, y
  iF (x > 9) Exit
  end do
  if (n) then
    open (10, file='a.dat')
    where (mask)
      call sub5(z(:) /= n)
      a = 1; b = 2
    elsewhere
      do while (f(x) == f(x))
        call sub6(x > x)
      end do
    end where
    t = "a!b"
    end where
    if ('text' == a(i)) go to 10
    „Ÿ
  else if (k + 1 > k + 1 + f(x)) then
	call sub6(f(x))
    x = z(:) > a(i) + 'text'
    integer :: i, j, k
  else if (b(i, j) >= "a!b" < "a!b") then
    do i = 1, n
* star comment
      x = z(:) .and. x == 'text'
    enddo
    where (m) b(:) = c
    10 if (x) y = z
    s = 'first part &
      & second part'
  end if
  do while (f(x))
    x = y  ! note
  end do
  end if
  call sub7(a(i) + x < x)
  do 310 k = 1, m
call sub2(z(:) /= b(i, j) .and. k + 1)
    & 5, b)
310 continue
  where (m) b(:) = c
  if (f(x) .and. b(i, j) <= n) then
    s%v = n + z(:)
    do 320 k = 1, m
      call sub2(f(x) .and. y .and. y)
320 continue
   	else if (n*x) then
    go to 10
    selECt cAse (n)
    case (6)
      s%v = k + 1 >= z(:) < f(x)
   	caSe (5)
    case (4)
    Case deFaULt
      if (x > 0) y = &
        & 2
      10 ENd dO
      where (m) b(:) = c
    enD selEct
    do while (x + x)
      x = k + 1 == z(:) == 'text'
      x = y  ! nOTE
    end do
  endif
  integer :: i, j, k
  s = 'first part &
    & second part'
  do while (k + 1 > y)
    330 format (a, i5)
    where (mask)
      write (6, '(a)') 'call if then'
    elsewhere
      a = 1; b = 2
    end where
  end do
  where (mask)
    do 340 k = 1, m
      if (A(i)*X) SToP
      s = 'first part &
        & SeCOnd PART'
340 continue
    read (5, *) x, y
  elsewhere
    do i = 1, n
      do i = 1, n
        s%v = 'text'
        if ("a!b" == f(x) > f(x)) call s
      enddo
      if (x > 0) y = &
        & 2
      x = y  ! note
      do 10, i = 1, n
    end do
    end subroutine
  ENd wHEre
  call sub4(y)
  go to 10
  where (mask)
    if (f(x) > x > 'text') then
      endfile 10
      call sub3(n)
      TYpe PoInT
    endif
    call((((((((((((((((((((
    call sub2(b(i, j))
	eLsEWhEre
    do i = 1, n
      s%v = k + 1
      a = 1; b = 2
    eNDDO
    if (x) then ; y = 1
  end where
  IF (y) thEN
    s = 'first part &
          & second part'
	x = f(x)
    where (mask)
      y(i) = y .and. a(i) == b(i, j)
      y(i) = x < b(i, j)
    elsewhere
      if (x > 0) y = &
        & 2
    end where
    350 format (a, i5)
  else if ('text' == x*b(i, j)) then
    a = 1; b = 2
    do 360 k = 1, m
      s = 'first part &
        & second part'
      s%v = a(i)
x = y  ! note
360 continue
    go to 10
  else
    s = 'first part &
      & SeCONd PArT'
    if (a(i)) then
      x = a + &
        & b * c
else
      370 format (a, i5)
      call sub5(y)
    endif
    a = 1; b = 2
  end if
  call sub2(f(x) /= 'text')
  do
    s = 'FiRst parT &
& second part'
    type point
    x = y  ! note
  if (x > 9) exit
  end do
  do while (k + 1 <= b(i, j) < "a!b")
    do 380 k = 1, m
      pRInT *, 'ValUE', X ! TRAiling If
      y(i) = b(i, j) <= a(i)
      call sub8(f(x) == f(x) + z(:))
      end pRogRaM
380 continue
  end do
  SELeCT Case (n)
  case (1)
  end select
  if (k + 1 .and. z(:)) then
    where (mask)
      if (x) x = 1
    elsewhere
      do
        call sub3(f(x) .and. n)
        a = 1; b = 2
        InTEgER :: i, J, k
      if (x > 9) exit
      end do
    end where
    print *, 'value', x ! trailing if
  else
    do 390 k = 1, m
      y(i) = z(:)
      do 10, i = 1, n
      400 format (a, i5)
390 continue
  endif
c fixed-form comment
  10 IF (x) Y = z
  call sub6(x .and. 'text')
  do while (k + 1 + 'text'*z(:))
! free comment
c fixed-form comment
    ;
  end do
  where (m) b(:) = c
  return
  end function u709
program u917
  where (mask)
	go to 10
    x = y > f(x)
  elsewhere
    do i = 1, n
      if (a(i) + 'text') stop
      if (x > 0) y = &
        & 2
      410 format (a, i5)
      CaLl SuB2(K + 1)
    end do
   	end where
  iNteGEr :: I, j, k
  20 continue
  do 420 k = 1, m
    do 430 k = 1, m
      x = a + &
        & b * c
430 continue
420 continue
  read (5, *) x, y
  if (z(:)) exit
  select case (n)
  case (4)
    go to 10
    do while ('text' .and. a(i) .and. n)
      y(i) = y*n >= b(i, j)
      call sub9(n)
      y(i) = n*a(i) >= b(i, j)
 end do
    end do
  case default
    INTeGer :: I, j, K
    ;
	s%v = k + 1
  end select
  y(i) = y
  s = 'first part &
    & second part'
y(i) = z(:)
  where (m) b(:) = c
  if_flag = 1
  If (x > 0) Y = &
    & 2
  do 440 k = 1, m
    s = 'first part &
      & second part'
   	write (6, '(a)') 'call if then'
440 continue
  endfile 10
  print *, 'value', x ! trailing if
  do while (x + k + 1)
    s = 'first part &
& second part'
  end do
  read (5, *) x, y
  do 450 k = 1, m
    do
      if (f(x)) stop
    IF (x > 9) EXit
    end do
    cAlL sub3(B(I, J))
    close (10)
450 continue
  EnD DO
  call sub4(y)
  ))))))))))))))))))))))))))))))
  do i = 1, n
    do
      x = y  ! note
      y = "esc\"aped" ; z = 1
      x = a + &
        & b * c
    if (x > 9) exit
    end do
    if (y) go to 10
  end do
  if (y < 'text' == b(i, j)) stop
  do
    if (X > 0) y = &
      & 2
    go to 10
    write (6, '(a)') 'call if then'
  if (x > 9) exit
  end do
  do while (k + 1 .and. f(x) <= 'text')
    do i = 1, n
      s%v = b(i, j)
    enddo
    10 x = 1
    do 460 k = 1, m
      if (x > 0) y = &
& 2
460 continue
  end do
  x = a + &
    & b * c
end program u917
program u1016
  go to 10
  if (a(i) >= x > z(:)) then
    integer :: i, j, k
    do
      iF (Y) gO tO 10
      if (x > 0) y = &
        & 2
      call sub4(b(i, j) >= x)
    if (x > 9) exit
    end do
    write (6, '(a)') 'call if then'
  else if (b(i, j)*f(x) <= x) then
    rEAd (5, *) X, y
  else
    do i = 1, n
                                            y(i) = a(i)
      bAcKSPACE 10
      t = n /= "a!b"
    enddo
    do i = 1, n
      x = a + &
        & b * C
    end do
    print *, 'value', x ! trailing if
	10 x = 1
  endif
  end type
  a = 1; b = 2
  t = "a!b"*x
  x = "a!b" == z(:)
  case (2)
  do while (x == z(:))
    a = 1; b = 2
    do i = 1, n
      a = 1; b = 2
 end do
   	10 x = 1
    x = y  ! note
  end do
  do 20 i = 1, 3
  do
    s%v = k + 1*n > b(i, j)
    print *, 'value', x ! trailing if
    a = 1; b = 2
  If (x > 9) EXIt
  end do
  do
    do
      do while (z(:))
        do
          x = y  ! note
          y(i) = z(:) /= "A!b"
          integer :: i, j, k
        if (x > 9) exit
        end do
      end do
      do
        t = b(i, j)
        read (5, *) x, y
      if (x > 9) exit
      end do
   	if (a .or. while (b)) y = z
    IF (x > 9) exiT
    end do
    10 if (x) y = z
  if (x > 9) exit
	end do
  do
    call sub6(b(i, j) <= "a!b")
    then
    call sub3(k + 1 <= n < k + 1)
  if (x > 9) exit
  end do
  s%v = n
  end subroutine
  select case (n)
  case (3)
    If (n >= K + 1 /= 'tEXt') ReTuRN
  case (6)
    select case (n)
    case (6)
    case (5)
      x = k + 1*k + 1
 y(i) = z(:) > a(i) > a(i)
    case (3)
      s = 'fIRSt paRt &
        & second part'
      do i = 1, n
        T = X
        x = a + &
          & b * c
        call sub7(y < k + 1)
      end do
    cAse DefaULT
      do while (f(x))
        s = 'first part &
          & second part'
      end do
    end select
    print *, 'value', x ! trailing if
  case default
    where (mask)
      where (m) b(:) = c
                                                            elsewhere
      open (10, file='a.dat')
    end where
end select
  do while (x)
    s%V = f(x)
    read (5, *) x, y
  end do
  case (2)
  where (m) b(:) = c
  x = y  ! note
  select case (n)
  case (1)
  case default
    cALl sUB2(a(I))
    iF (X) tHEn ; y = 1
  end select
  do
print *, 'value', x ! trailing if
    go to 10
  if (x > 9) exit
  end do
  & 5, b)
* star comment
  print *, 'value', x ! trailing if
  end do
  do
    open (10, file='a.dat')
    call sub8(f(x) <= k + 1 + x)
    CAll((((((((((((((((((((
  if (x > 9) exit
  end do
  if (x .and. n) go to 10
  do
    x = y  ! note
    xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
  IF (x > 9) ExIT
  end do
  x = a + &
 & b * c
  do while ("a!b"*f(x) > k + 1)
    go to 10
  end do
 do i = 1, n
    prINT *, 'ValUE', x ! traIlING if
    read (5, *) x, y
  enddo
  read (5, *) x, y
  20 continue
  if (y >= f(x)) exit
      end if
  s%v = a(i) .and. k + 1 >= f(x)
  where (mask)
    call sub4(n .and. z(:) /= 'text')
  elsewhere
    write (6, '(a)') 'call if then'
  end where
  do i = 1, n
    write (6, '(a)') 'call if then'
    call((((((((((((((((((((
    do 470 k = 1, m
      do 480 k = 1, m
        print *, 'value', x ! trailing if
480 continue
      close (10)
470 continue
    if (x > 0) y = &
      & 2
    do while ("a!b")
      write (6, '(a)') 'call if then'
      call sub4(z(:) == z(:))
    end do
  enddo
   	s = 'first part &
    & second part'
  10 if (x) y = z
end program u1016
  subroutine u1197(a, b)
	do i = 1, n
    do while (b(i, j))
      select case (n)
      case (9)
      case default
        s%v = z(:)
        y(i) = a(i) /= z(:) == y
      end select
    end do
    where (m) b(:) = c
  END Do
  eLSewHERE
  print *, 'value', x ! trailing if
  do i = 1, n
    x = y  ! note
    x = y
    do
 call sub4("a!b"*k + 1)
      y = "esc\"aped" ; z = 1
      backspace 10
      s%v = 'text' .and. "a!b"
    if (x > 9) exit
    eNd Do
 do 490 k = 1, m
      read (5, *) x, y
                                        wrITe (6, '(A)') 'cAlL iF THen'
490 continue
  end do
                            do while (k + 1)
    x = k + 1
    s%v = z(:) >= n
    do 500 k = 1, m
      s%v = n == z(:)
      x = "a!b" .and. f(x) + y
500 continue
  end do
  x = y  ! note
  do 510 k = 1, m
    if (y + x) then
      s = 'first part &
        & second part'
      go to 10
      elsewhere
      do 520 k = 1, m
c fixed-form comment
520 continue
    else if (k + 1) then
      do
        write (6, '(a)') 'call if then'
	read (5, *) x, y
        read (5, *) x, y
if (x > 9) exit
      end do
    else
      print *, 'value', x ! trailing if
y = "esc\"aped" ; z = 1
      rewind 10
      call sub2(a(i) .and. b(i, j))
    endif
 integer :: i, j, k
510 continue
  inTeger :: i, J, k
   	do 530 k = 1, m
    BackspacE 10
    elsewhere
530 continue
  a = 1; b = 2
  if (k + 1 > k + 1) then
    s%v = f(x)
    do 540 k = 1, m
      x = y  ! note
      do while ('text' < b(i, j))
        go to 10
      end do
540 continue
    Read (5, *) x, y
    end select
  Else IF (Z(:)) tHeN
    Do
      a = 1; b = 2
      x = k + 1 >= y
      t = k + 1 > 'text' >= x
    if (x > 9) exit
    end do
    where (mask)
      call sub4("a!b")
   	elsewhere
      call sub8(y)
    END WhERE
    do 550 k = 1, m
      s%v = k + 1
550 continue
  else
    cAlL suB1(x)
    if (n < z(:) < k + 1) then
      x = y  ! note
    else
 call sub8('text' + 'text')
      go to 10
    endif
    Y(i) = f(X)
    call((((((((((((((((((((
  end if
  where (mask)
    do i = 1, n
   	read (5, *) x, y
      10 end do
    end do
 do 560 k = 1, m
      y(i) = a(i) > y
560 continue
    end
  elsewhere
    call sub9(n)
  ENd WHEre
  do while (b(i, j))
    Do 570 k = 1, m
      x = k + 1 + b(i, j)
      do i = 1, n
 x = b(i, j)
      enddo
570 continue
  end do
  print *, 'value', x ! trailing if
  select case (n)
  case (7)
  case (5)
  case default
    IF (f(X) + k + 1 >= X) THEN
      where (mask)
        if (k + 1 <= b(i, j) <= 'text') return
      elsewhere
        integer :: i, j, k
        THeN
      end where
      write (6, '(a)') 'call if then'
    else if (x) then
      WrITE (6, '(a)') 'CaLL If THeN'
      do i = 1, n
        do while (k + 1)
          read (5, *) x, y
          go to 10
          inTEGER :: i, J, K
        end do
        x = y  ! note
      enddo
      a = 1; b = 2
    else if (x) then
      s = 'first part &
        & second part'
 else
      call sub7(n)
      where (m) b(:) = c
    end if
  end select
  end subroutine u1197
program u1354
  where (mask)
    do
      t = "a!b" < x
      if (x > 9) exit
    end do
  elsewhere
    x = y  ! note
  end where
select case (n)
                                                    case (8)
    if (k + 1 + x) then
      if (x) then
        x = a + &
          & b * c
        call((((((((((((((((((((
        if (x > 0) y = &
   	& 2
      end if
      read (5, *) x, y
    eLsE If (z(:) .AnD. Y) tHEN
      integer :: i, j, k
      10 if (x) y = z
    else
      x = "a!b"*x .and. y
    endif
    Do 580 K = 1, m
      where (mask)
        590 fORMAT (a, I5)
      elsewhere
        call sub2("a!b" == z(:))
      end where
      call sub1("a!b" /= x)
580 continue
  case (3)
    do 600 k = 1, m
      do
 x = y  ! note
        if (n >= x) then
          prINT *, 'valUE', X ! tRAIliNg IF
          read (5, *) x, y
        else if (x) then
          select case (n)
          case (1)
          case default
            x = z(:)
          end select
          a = 1; b = 2
          case (2)
        end if
      if (x > 9) exit
      end do
      read (5, *) x, y

600 continue
  CasE DEFAult
    where (m) b(:) = c
  end select
  &
   	call sub9(b(i, j) == a(i)*z(:))
  select case (n)
  case (3)
  case default
    x = y  ! note
    s%v = k + 1 > f(x) >= 'text'
    end type
  end select
  do i = 1, n
    where (m) b(:) = c
  end do
  call sub6(n)
  a = 1; b = 2
  where (mask)
    call sub8("a!b")
    open (10, file='a.dat')
   	elsewhere
    x = f(x) == 'text' == f(x)
  end where
  x = 'text' + n
end program u1354
module u1434
  interface
    subroutine ext(a)
 real :: a
    end subroutine ext
end interface
  type point
    real :: x, y
  end type point
contains
  subroutine inner_u1434(p)
    where (mask)
      do
        where (mask)
          t = a(i)
          inquire (file='b', exist=e)
        elsewhere
          print *, 'value', x ! trailing if
          /* block comment */
        end where
        20 continue
      if (x > 9) exit
      end do
      do while (z(:) + f(x) /= 'text')
        t = f(x) > k + 1
      end do
    ElSeWheRe
      x = a + &
        & b * c
    end wHere
    s%v = x < a(i) .and. z(:)
    backspace 10
    select case (n)
    case (5)
      call sub5(y*z(:) == x)
    case (1)
      inquire (file='b', exist=e)
    case (2)
      go to 10
      t = a(i) /= b(i, j)
    case default
      s%v = f(x)*n <= x
      „Ÿ
      if (x) then
        if (x > 0) y = &
          & 2
      else if ('text'*f(x) >= f(x)) then
        do
          integer :: i, j, k
        if (x > 9) exit
        end do
      else
        x = a + &
          & b * c
        x = y  ! note
        &
      endif
    end select
    x = y < z(:) + 'text'
    do WhILe (y < b(i, j))
      do 610 k = 1, m
        if (n == y) then
          y(i) = z(:)
 ;
          s%v = a(i) == n <= a(i)
          s%v = b(i, j) == 'text'
