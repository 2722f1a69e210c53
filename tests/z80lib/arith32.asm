; arith32: table-driven checks of the run-time library.
; Written by make_cases.py, which also works out arith32.expected.
_main:
   ld hl,tbl_arith32_a_name
   call __putstr
   call t_newline
   ld hl,tbl_arith32_a
   ld de,__op_add
   ld a,0
   call t_run32
   ld hl,tbl_arith32_b_name
   call __putstr
   call t_newline
   ld hl,tbl_arith32_a
   ld de,__op_sub
   ld a,0
   call t_run32
   ld hl,tbl_arith32_c_name
   call __putstr
   call t_newline
   ld hl,tbl_arith32_c
   ld de,__op_and
   ld a,0
   call t_run32
   ld hl,tbl_arith32_d_name
   call __putstr
   call t_newline
   ld hl,tbl_arith32_c
   ld de,__op_or
   ld a,0
   call t_run32
   ld hl,tbl_arith32_e_name
   call __putstr
   call t_newline
   ld hl,tbl_arith32_c
   ld de,__op_xor
   ld a,0
   call t_run32
   ld hl,tbl_arith32_f_name
   call __putstr
   call t_newline
   ld hl,tbl_arith32_f
   ld de,__op_add_a
   ld a,0
   call t_run32
   ld hl,tbl_arith32_g_name
   call __putstr
   call t_newline
   ld hl,tbl_arith32_f
   ld de,__op_sub_a
   ld a,0
   call t_run32
   ret
tbl_arith32_a:
   defw tbl_arith32_a_end
   .long 0x00000000, 0x00000000
   .long 0x00000000, 0x00000001
   .long 0x00000000, 0x0000007F
   .long 0x00000000, 0x00000080
   .long 0x00000000, 0x0000FFFF
   .long 0x00000000, 0x00010000
   .long 0x00000000, 0x7FFFFFFF
   .long 0x00000000, 0x80000000
   .long 0x00000000, 0xFFFFFFFF
   .long 0x00000001, 0x00000000
   .long 0x00000001, 0x00000001
   .long 0x00000001, 0x0000007F
   .long 0x00000001, 0x00000080
   .long 0x00000001, 0x0000FFFF
   .long 0x00000001, 0x00010000
   .long 0x00000001, 0x7FFFFFFF
   .long 0x00000001, 0x80000000
   .long 0x00000001, 0xFFFFFFFF
   .long 0x0000007F, 0x00000000
   .long 0x0000007F, 0x00000001
   .long 0x0000007F, 0x0000007F
   .long 0x0000007F, 0x00000080
   .long 0x0000007F, 0x0000FFFF
   .long 0x0000007F, 0x00010000
   .long 0x0000007F, 0x7FFFFFFF
   .long 0x0000007F, 0x80000000
   .long 0x0000007F, 0xFFFFFFFF
   .long 0x00000080, 0x00000000
   .long 0x00000080, 0x00000001
   .long 0x00000080, 0x0000007F
   .long 0x00000080, 0x00000080
   .long 0x00000080, 0x0000FFFF
   .long 0x00000080, 0x00010000
   .long 0x00000080, 0x7FFFFFFF
   .long 0x00000080, 0x80000000
   .long 0x00000080, 0xFFFFFFFF
   .long 0x0000FFFF, 0x00000000
   .long 0x0000FFFF, 0x00000001
   .long 0x0000FFFF, 0x0000007F
   .long 0x0000FFFF, 0x00000080
   .long 0x0000FFFF, 0x0000FFFF
   .long 0x0000FFFF, 0x00010000
   .long 0x0000FFFF, 0x7FFFFFFF
   .long 0x0000FFFF, 0x80000000
   .long 0x0000FFFF, 0xFFFFFFFF
   .long 0x00010000, 0x00000000
   .long 0x00010000, 0x00000001
   .long 0x00010000, 0x0000007F
   .long 0x00010000, 0x00000080
   .long 0x00010000, 0x0000FFFF
   .long 0x00010000, 0x00010000
   .long 0x00010000, 0x7FFFFFFF
   .long 0x00010000, 0x80000000
   .long 0x00010000, 0xFFFFFFFF
   .long 0x7FFFFFFF, 0x00000000
   .long 0x7FFFFFFF, 0x00000001
   .long 0x7FFFFFFF, 0x0000007F
   .long 0x7FFFFFFF, 0x00000080
   .long 0x7FFFFFFF, 0x0000FFFF
   .long 0x7FFFFFFF, 0x00010000
   .long 0x7FFFFFFF, 0x7FFFFFFF
   .long 0x7FFFFFFF, 0x80000000
   .long 0x7FFFFFFF, 0xFFFFFFFF
   .long 0x80000000, 0x00000000
   .long 0x80000000, 0x00000001
   .long 0x80000000, 0x0000007F
   .long 0x80000000, 0x00000080
   .long 0x80000000, 0x0000FFFF
   .long 0x80000000, 0x00010000
   .long 0x80000000, 0x7FFFFFFF
   .long 0x80000000, 0x80000000
   .long 0x80000000, 0xFFFFFFFF
   .long 0xFFFFFFFF, 0x00000000
   .long 0xFFFFFFFF, 0x00000001
   .long 0xFFFFFFFF, 0x0000007F
   .long 0xFFFFFFFF, 0x00000080
   .long 0xFFFFFFFF, 0x0000FFFF
   .long 0xFFFFFFFF, 0x00010000
   .long 0xFFFFFFFF, 0x7FFFFFFF
   .long 0xFFFFFFFF, 0x80000000
   .long 0xFFFFFFFF, 0xFFFFFFFF
   .long 0x0272C83B, 0xD6E545A9
   .long 0x610EEA78, 0x80F7E9AB
   .long 0xA7B89C3B, 0xE9045C81
   .long 0x6FBBB4F0, 0x116E7F70
   .long 0xE601865E, 0x21A8C782
   .long 0x6BBB0836, 0xF8746F49
   .long 0x8926F56E, 0x1F66EBD8
   .long 0x80B63473, 0x885D120C
tbl_arith32_a_end:
tbl_arith32_a_name:
   defb 8,"__op_add"
tbl_arith32_b_name:
   defb 8,"__op_sub"
tbl_arith32_c:
   defw tbl_arith32_c_end
   .long 0x12345678, 0x0F0F0F0F
   .long 0xFFFFFFFF, 0x80000001
   .long 0x00000000, 0xFFFFFFFF
   .long 0xA5A5A5A5, 0x5A5A5A5A
tbl_arith32_c_end:
tbl_arith32_c_name:
   defb 8,"__op_and"
tbl_arith32_d_name:
   defb 7,"__op_or"
tbl_arith32_e_name:
   defb 8,"__op_xor"
tbl_arith32_f:
   defw tbl_arith32_f_end
   .long 0x00000000, 0x00000000
   .long 0x00000000, 0x000000FF
   .long 0x000000FF, 0x00000001
   .long 0x0000FFFF, 0x00000001
   .long 0x00FFFFFF, 0x00000001
   .long 0xFFFFFFFF, 0x00000001
   .long 0x12345678, 0x00000088
   .long 0x00000100, 0x00000001
   .long 0x00010000, 0x00000001
   .long 0x01000000, 0x00000001
   .long 0x00000000, 0x00000001
   .long 0x00000005, 0x00000080
tbl_arith32_f_end:
tbl_arith32_f_name:
   defb 10,"__op_add_a"
tbl_arith32_g_name:
   defb 10,"__op_sub_a"
