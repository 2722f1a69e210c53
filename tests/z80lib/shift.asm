; shift: table-driven checks of the run-time library.
; Written by make_cases.py, which also works out shift.expected.
_main:
   ld hl,tbl_shift_a_name
   call __putstr
   call t_newline
   ld hl,tbl_shift_a
   ld de,__op_shl
   ld a,0
   call t_run32
   ld hl,tbl_shift_b_name
   call __putstr
   call t_newline
   ld hl,tbl_shift_a
   ld de,__op_shr
   ld a,0
   call t_run32
   ret
tbl_shift_a:
   defw tbl_shift_a_end
   .long 0x87654321, 0x00000000
   .long 0x87654321, 0x00000001
   .long 0x87654321, 0x00000007
   .long 0x87654321, 0x00000008
   .long 0x87654321, 0x00000009
   .long 0x87654321, 0x0000000F
   .long 0x87654321, 0x00000010
   .long 0x87654321, 0x00000011
   .long 0x87654321, 0x00000017
   .long 0x87654321, 0x00000018
   .long 0x87654321, 0x0000001F
   .long 0x87654321, 0x00000020
   .long 0x87654321, 0x00000021
   .long 0x87654321, 0x000000FF
   .long 0x87654321, 0x00000100
   .long 0x87654321, 0x00010000
   .long 0x87654321, 0x80000000
   .long 0x00000001, 0x0000001F
   .long 0xFFFFFFFF, 0x00000004
   .long 0x80000000, 0x0000001F
tbl_shift_a_end:
tbl_shift_a_name:
   defb 8,"__op_shl"
tbl_shift_b_name:
   defb 8,"__op_shr"
