! Writes reference lines for the display-format tests: what a formatted WRITE of one numeric
! item into a text of a given length produces. Each line reads
!   kind|length|format|value|failed|field|
! kind is D (64-bit real), R (32-bit real) or I (32-bit integer); value is the bit pattern in
! hexadecimal for reals and the decimal number for integers; failed is 1 when the write
! itself failed (an unusable format, a field longer than the text); field is the text.
!
! Usage: write_reference chosen          the chosen formats and values
!        write_reference random SEED N   N cases drawn from a fixed pseudo-random sequence
program write_reference
  implicit none
  character(len=16) :: mode, arg
  integer :: seed_value, count

  call get_command_argument(1, mode)
  if (mode == 'random') then
    call get_command_argument(2, arg)
    read(arg, *) seed_value
    call get_command_argument(3, arg)
    read(arg, *) count
    call write_random(int(seed_value, 8), count)
  else
    call write_chosen()
  end if

contains

  subroutine emit_double(length, fmt, value)
    integer, intent(in) :: length
    character(len=*), intent(in) :: fmt
    real(8), intent(in) :: value
    character(len=100) :: field
    integer :: ios
    field = ' '
    write(field(1:length), fmt, iostat=ios) value
    write(*, '(A,I0,A,A,A,Z16.16,A,I0,A,A,A)') 'D|', length, '|', fmt, '|', &
      transfer(value, 0_8), '|', merge(0, 1, ios == 0), '|', field(1:length), '|'
  end subroutine

  subroutine emit_real(length, fmt, value)
    integer, intent(in) :: length
    character(len=*), intent(in) :: fmt
    real(4), intent(in) :: value
    character(len=100) :: field
    integer :: ios
    field = ' '
    write(field(1:length), fmt, iostat=ios) value
    write(*, '(A,I0,A,A,A,Z8.8,A,I0,A,A,A)') 'R|', length, '|', fmt, '|', &
      transfer(value, 0_4), '|', merge(0, 1, ios == 0), '|', field(1:length), '|'
  end subroutine

  subroutine emit_integer(length, fmt, value)
    integer, intent(in) :: length
    character(len=*), intent(in) :: fmt
    integer(4), intent(in) :: value
    character(len=100) :: field
    integer :: ios
    field = ' '
    write(field(1:length), fmt, iostat=ios) value
    write(*, '(A,I0,A,A,A,I0,A,I0,A,A,A)') 'I|', length, '|', fmt, '|', &
      value, '|', merge(0, 1, ios == 0), '|', field(1:length), '|'
  end subroutine

  ! --------------------------------------------------------------------------------------
  ! The chosen cases: the formats the program uses and the corners of every descriptor.
  ! --------------------------------------------------------------------------------------
  subroutine write_chosen()
    use, intrinsic :: ieee_arithmetic
    character(len=16), parameter :: real_formats(33) = [character(len=16) :: &
      '(F4.2)', '(F5.2)', '(F3.2)', '(F10.3)', '(F0.2)', '(F0.0)', '(F2.0)', '(F8.0)', &
      '(F40.20)', '(E12.4)', '(E9.4)', '(E10.4)', '(E15.5E2)', '(E12.4E3)', '(E10.3E1)', &
      '(E12.4E0)', '(E10.0)', '(D12.4)', '(D10.4)', '(D12.4E2)', '(G15.5E2)', '(G15.5)', &
      '(G10.2)', '(G10.1)', '(G6.1)', '(G12.4E1)', '(G10.0)', '(G25.17)', '(E25.17)', &
      '(I11)', '( g 15 . 5 e 2 )', '(f4.2)', '(1E12.4)']
    real(8) :: values(34)
    character(len=16), parameter :: integer_formats(14) = [character(len=16) :: &
      '(I11)', '(I5)', '(I1)', '(I0)', '(I5.3)', '(I4.0)', '(I0.0)', '(G11.3)', '(G5.0)', &
      '(G4.2E2)', '(F4.2)', '(E12.4)', '(G11)', '(I3.5)']
    integer(4), parameter :: integers(10) = [0, 1700, -1700, 7, -7, 2147483647, &
      -2147483647 - 1, 99999, -99999, 123456789]
    integer :: i, j

    values = [0.0d0, -0.0d0, 0.08d0, 4.0d0, 6.5d0, 123456.0d0, -123456.0d0, 0.5d0, -0.5d0, &
      0.125d0, 0.375d0, 2.5d0, 9.5d0, 0.995d0, 9.95d0, 99999.5d0, 99999.49d0, 0.0999995d0, &
      0.0999994999d0, 1d-300, 1d300, 1d100, 1d99, -1d-100, 1d0, -1d0/3d0, 2d0/3d0, 0.001d0, &
      -0.001d0, 12345.678d0, huge(1d0), ieee_value(1d0, ieee_quiet_nan), &
      ieee_value(1d0, ieee_positive_inf), ieee_value(1d0, ieee_negative_inf)]
    do i = 1, size(real_formats)
      do j = 1, size(values)
        call emit_double(40, trim(real_formats(i)), values(j))
        if (abs(values(j)) < 3.4d38 .or. .not. ieee_is_finite(values(j))) then
          call emit_real(40, trim(real_formats(i)), real(values(j), 4))
        end if
      end do
    end do
    do i = 1, size(integer_formats)
      do j = 1, size(integers)
        call emit_integer(40, trim(integer_formats(i)), integers(j))
      end do
    end do
    ! Texts shorter than the field, and exactly as long.
    call emit_double(3, '(F4.2)', 1d0)
    call emit_double(4, '(F4.2)', 1d0)
    call emit_real(14, '(G15.5E2)', 0.5)
    call emit_real(15, '(G15.5E2)', 0.5)
    call emit_integer(10, '(I11)', 5)
    call emit_integer(11, '(I11)', 5)
    call emit_integer(2, '(I0)', 123)
  end subroutine

  ! --------------------------------------------------------------------------------------
  ! Random cases. xorshift keeps the sequence the same on every machine.
  ! --------------------------------------------------------------------------------------
  function next_random(state) result(r)
    integer(8), intent(inout) :: state
    integer(8) :: r
    state = ieor(state, ishft(state, 13))
    state = ieor(state, ishft(state, -7))
    state = ieor(state, ishft(state, 17))
    r = ishft(state, -1)
  end function

  ! A whole number from low to high.
  function draw(state, low, high) result(n)
    integer(8), intent(inout) :: state
    integer, intent(in) :: low, high
    integer :: n
    n = int(int(low, 8) + mod(next_random(state), int(high, 8) - int(low, 8) + 1_8))
  end function

  subroutine random_format(state, fmt)
    integer(8), intent(inout) :: state
    character(len=*), intent(out) :: fmt
    character(len=1), parameter :: letters(6) = ['F', 'E', 'D', 'G', 'I', 'f']
    character(len=1) :: letter
    integer :: w, d, e
    letter = letters(draw(state, 1, 6))
    w = draw(state, 1, 45)
    if (letter == 'F' .and. draw(state, 1, 8) == 1) w = 0
    d = draw(state, 0, min(w, 20))
    if (letter == 'G' .and. draw(state, 1, 2) == 1) d = draw(state, 1, min(max(w - 4, 1), 17))
    ! An exponent width, where it belongs: E and G take one; D refuses one.
    if (scan(letter, 'EDG') > 0 .and. draw(state, 1, 3) == 1) then
      e = draw(state, 1, 4)
      write(fmt, '("(",A,I0,".",I0,"E",I0,")")') letter, w, d, e
    else
      write(fmt, '("(",A,I0,".",I0,")")') letter, w, d
    end if
  end subroutine

  function random_double(state) result(x)
    integer(8), intent(inout) :: state
    real(8) :: x
    integer(8) :: bits
    integer :: kind, digits, place
    kind = draw(state, 1, 5)
    select case (kind)
    case (1)
      ! A short decimal such as a user types.
      x = real(draw(state, 0, 999999), 8) / 10d0**draw(state, 0, 8) * 10d0**draw(state, -5, 5)
    case (2)
      ! Next to the limit between the fixed and the exponent form of G.
      digits = draw(state, 1, 16)
      place = draw(state, -1, digits)
      x = 10d0**place * (1d0 - 0.5d0 / 10d0**digits)
      x = transfer(transfer(x, 0_8) + draw(state, -2, 2), x)
    case (3)
      ! Any mantissa within twenty decades of 1.
      bits = ior(ishft(int(draw(state, 1023 - 70, 1023 + 70), 8), 52), &
                 iand(next_random(state), 4503599627370495_8))
      x = transfer(bits, x)
    case (4)
      ! Any bit pattern at all: subnormals, infinities and not-a-number included.
      x = transfer(ieor(next_random(state), ishft(next_random(state), 1)), x)
    case default
      ! A value exactly halfway between two shorter decimals.
      x = real(draw(state, 0, 99999), 8) / 2d0**draw(state, 1, 6)
    end select
    if (draw(state, 1, 4) == 1) x = -x
  end function

  function random_real(state) result(x)
    integer(8), intent(inout) :: state
    real(4) :: x
    integer :: digits, place
    if (draw(state, 1, 3) == 1) then
      digits = draw(state, 1, 9)
      place = draw(state, -1, digits)
      x = 10.0**place * (1.0 - 0.5 / 10.0**digits)
      x = transfer(transfer(x, 0_4) + draw(state, -2, 2), x)
      if (draw(state, 1, 4) == 1) x = -x
    else
      x = real(random_double(state), 4)
    end if
  end function

  subroutine write_random(seed, count)
    integer(8), intent(in) :: seed
    integer, intent(in) :: count
    integer(8) :: state
    character(len=24) :: fmt
    integer :: i, length
    state = ior(seed * 2654435761_8, 1_8)
    do i = 1, count
      call random_format(state, fmt)
      length = 40
      if (draw(state, 1, 4) == 1) length = draw(state, 1, 45)
      select case (draw(state, 1, 5))
      case (1, 2)
        call emit_double(length, trim(fmt), random_double(state))
      case (3, 4)
        call emit_real(length, trim(fmt), random_real(state))
      case default
        call emit_integer(length, trim(fmt), draw(state, -2147483647, 2147483647) / &
          10**draw(state, 0, 8))
      end select
    end do
  end subroutine

end program
