program p
  print *, "<script>alert(1)</script>", "</pre>&amp;"
  x = 'ÿæœ[2Jâ€®'  ! 
  if (x > 0) then
    s = "æ—¥æœ¬" // '"'
  end if
end program p
