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
   ld hl,c_words
   jr c_words_next

; c_words: print every word of the list with __putdec_u16 (the -O printer),
; one per line; a list ends with the word 0FFFFh printed last
c_words_next:
   ld e,(hl)
   inc hl
   ld d,(hl)
   inc hl
   push hl
   push de
   ex de,hl
   call __putdec_u16
   call t_newline
   pop de
   pop hl
   ld a,d
   and e
   inc a
   jr nz,c_words_next
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
c_words:
   defw 0
   defw 1
   defw 9
   defw 10
   defw 11
   defw 99
   defw 100
   defw 255
   defw 256
   defw 1000
   defw 9999
   defw 10000
   defw 12345
   defw 32767
   defw 32768
   defw 40000
   defw 65534
   defw 65535
