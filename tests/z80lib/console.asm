; console: character, line end, short string and decimal output.
_main:
   ld a,'<'
   call __putchar
   ld hl,c_empty
   call __putstr
   ld hl,c_hello
   call __putstr
   ld a,'>'
   call __putchar
   call __putcrlf
   ld hl,c_unsigned
   ld de,__putdec_u32
   call c_numbers
   ld hl,c_signed
   ld de,__putdec_s32
   call c_numbers
   ret

; c_numbers: print every number of the list at hl with the routine in de,
; one per line, and check that the routine leaves __reg32a alone
c_numbers:
   ld (t_routine),de
c_numbers_next:
   ld a,(hl)
   or a
   ret z
   inc hl
   ld de,__reg32a
   ldi
   ldi
   ldi
   ldi
   push hl
   call t_call
   ld a,' '
   call __putchar
   ld hl,__reg32a
   call t_hex32
   call t_newline
   pop hl
   jr c_numbers_next

c_empty:
   defb 0
c_hello:
   defb 11,"Hello, Z80!"
; entries: a nonzero byte, then the 32-bit number; a zero byte ends the list
c_unsigned:
   defb 1
   .long 0
   defb 1
   .long 9
   defb 1
   .long 10
   defb 1
   .long 65535
   defb 1
   .long 1000000
   defb 1
   .long 2147483647
   defb 1
   .long 4294967295
   defb 0
c_signed:
   defb 1
   .long 0
   defb 1
   .long -1
   defb 1
   .long 10
   defb 1
   .long -10
   defb 1
   .long -32768
   defb 1
   .long 2147483647
   defb 1
   .long -2147483647
   defb 1
   .long -2147483648
   defb 0
