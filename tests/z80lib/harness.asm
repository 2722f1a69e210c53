; Helpers shared by the run-time library test programs: hex printing and
; table runners.  Every test program is the compiler's skeleton with the
; library, then its own _main, then this file.  Output goes through the
; library's __putchar; each result line ends with a line feed.

; t_hex8: print a as two hex digits
t_hex8:
   push af
   rrca
   rrca
   rrca
   rrca
   call t_nibble
   pop af
t_nibble:
   and 0fh
   add a,'0'
   cp '9'+1
   jp c,__putchar
   add a,7
   jp __putchar

; t_hex16: print hl as four hex digits
t_hex16:
   ld a,h
   call t_hex8
   ld a,l
   jp t_hex8

; t_hex32: print the 32-bit number at hl, highest byte first
t_hex32:
   inc hl
   inc hl
   inc hl
   ld b,4
t_hex32_loop:
   ld a,(hl)
   call t_hex8
   dec hl
   djnz t_hex32_loop
   ret

t_space:
   ld a,' '
   jp __putchar

t_newline:
   ld a,10
   jp __putchar

t_arrow:
   call t_space
   ld a,'>'
   call __putchar
   jp t_space

; t_flags: print the comparison the flags in a/f tell: lt (C), eq (Z),
; gt (neither) or ?? (both)
t_flags:
   push af
   pop hl
   ld a,l
   and 41h
   ld hl,t_flags_lt
   cp 01h
   jp z,__putstr
   ld hl,t_flags_eq
   cp 40h
   jp z,__putstr
   ld hl,t_flags_gt
   or a
   jp z,__putstr
   ld hl,t_flags_both
   jp __putstr
t_flags_lt:
   defb 2,"lt"
t_flags_eq:
   defb 2,"eq"
t_flags_gt:
   defb 2,"gt"
t_flags_both:
   defb 2,"??"

; t_call: jump to the routine in t_routine with all registers as they are
t_call:
   push hl
   ld hl,(t_routine)
   ex (sp),hl
   ret

; t_run32: run a table of 32-bit cases through one routine
; enter: hl = table, de = routine, a = mode
; table: defw end address; then per case .long left, right
; Each case loads __reg32a := left, __reg32b := right, a := low byte of
; right, calls the routine and prints "left right > " followed by, by mode,
; 0: __reg32a; 1: __reg32a and __reg32b; 2: the flags (lt, eq, gt).
t_run32:
   ld (t_routine),de
   ld (t_mode),a
   ld e,(hl)
   inc hl
   ld d,(hl)
   inc hl
   ld (t_end),de
t_run32_next:
   ld (t_ptr),hl
   ld de,(t_end)
   or a
   sbc hl,de
   ret z
   ld hl,(t_ptr)
   ld de,__reg32a
   ldi
   ldi
   ldi
   ldi
   ld de,__reg32b
   ldi
   ldi
   ldi
   ldi
   ld (t_ptr),hl
   ld hl,__reg32a
   call t_hex32
   call t_space
   ld hl,__reg32b
   call t_hex32
   call t_arrow
   ld a,(__reg32b)
   call t_call
   push af
   ld a,(t_mode)
   cp 2
   jr z,t_run32_flags
   pop af
   ld hl,__reg32a
   call t_hex32
   ld a,(t_mode)
   or a
   jr z,t_run32_eol
   call t_space
   ld hl,__reg32b
   call t_hex32
   jr t_run32_eol
t_run32_flags:
   pop af
   call t_flags
t_run32_eol:
   call t_newline
   ld hl,(t_ptr)
   jr t_run32_next

; t_run16: run a table of 16-bit cases through one routine
; enter: hl = table, de = routine
; table: defw end address; then per case defw x, y
; Each case calls the routine with hl = x, bc = y, a = low byte of x and
; prints "x y > hl".
t_run16:
   ld (t_routine),de
   ld e,(hl)
   inc hl
   ld d,(hl)
   inc hl
   ld (t_end),de
t_run16_next:
   ld (t_ptr),hl
   ld de,(t_end)
   or a
   sbc hl,de
   ret z
   ld hl,(t_ptr)
   ld e,(hl)
   inc hl
   ld d,(hl)
   inc hl
   ld c,(hl)
   inc hl
   ld b,(hl)
   inc hl
   ld (t_ptr),hl
   push bc
   push de
   ex de,hl
   call t_hex16
   call t_space
   ld h,b
   ld l,c
   call t_hex16
   call t_arrow
   pop hl
   pop bc
   ld a,l
   call t_call
   call t_hex16
   call t_newline
   ld hl,(t_ptr)
   jr t_run16_next

t_routine:
   defw 0
t_mode:
   defb 0
t_end:
   defw 0
t_ptr:
   defw 0

; t_mod16_c8: the remainder __div16_c8 leaves in a, as hl
t_mod16_c8:
   call __div16_c8
   ld l,a
   ld h,0
   ret
