! expect: both
module geometry
  implicit none
  interface
    subroutine report(x)
      real, intent(in) :: x
    end subroutine report
  end interface
! "contains" in column 0 reads as a fixed-form comment line and is not drawn.
contains
  real function area(w, h)
    real, intent(in) :: w, h
    area = w * h
    if (area < 0.0) area = 0.0
  end function area
end module geometry
