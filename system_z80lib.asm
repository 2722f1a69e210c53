; system_z80lib.asm: run-time library of tarnwick's Z80 programs.
;
; The compiler copies this file, line by line, into every program it writes,
; right after the three opening lines (org 08000h, ld sp,07fffh, jp _reset),
; so nothing here is ever entered by falling through.  It indents every line
; that does not end in ':', so labels stand alone on their line, and lines
; are kept to GNU as syntax that takes no flags (z80-unknown-coff-as).
;
; Conventions of the generated code that this library serves:
; - __reg32a is the 32-bit accumulator, __reg32b the second operand; both are
;   little-endian.  Two-operand routines work as __reg32a := __reg32a op
;   __reg32b.
; - No routine is assumed to preserve any register; the "uses" line of each
;   header tells what it really changes.  ix and iy are never touched: ix is
;   the frame pointer of the generated code.  The division routines use the
;   shadow registers bc', de', hl'.
; - Arguments are 4-byte stack slots: the high word is pushed first, so the
;   low word is on top.
; - Costs count the routine from its first instruction up to and including
;   its ret; the CALL that reaches it adds 17 T-states.  Min and max are
;   those met when the library's tests (which try the edge values) and its
;   timing runs on random operands go through it (tests/z80lib);
;   docs/runtime.md has the averages.
; - Console: every character leaves through the one OUT in __putchar (port 1)
;   and comes in through the one IN in __getchar (the same port).
; - Names here all start with two underscores.  Inner labels avoid a trailing
;   "_<digits>", the shape of the compiler's own labels.

; ======================================================================
; Boolean constants
; ======================================================================
; The language has no boolean literals; rtl/system.inc declares false and
; true as absolute boolean variables on these two bytes.  They must stay the
; first bytes of the library, which the program's opening lines (3 bytes of
; ld sp and 3 of jp from 08000h) place at 08006h and 08007h.

__false:
   defb 0
__true:
   defb 1

; randseed of rtl/system.inc (random, randomize), at 08008h right after
; them: the state of the random generator, 32 bits, 0 at the start.
__randseed:
   defb 0,0,0,0

; ======================================================================
; Working registers
; ======================================================================

; __reg32a: the 32-bit accumulator, little-endian
__reg32a:
   defb 0,0,0,0
; __reg32b: the second operand of 32-bit operations, little-endian
__reg32b:
   defb 0,0,0,0

; ======================================================================
; Moves into and out of the working registers
; ======================================================================

; __read1: __reg32a := the byte at the address in the low word of __reg32a
; enter : __reg32a+0..1 = address
; exit  : __reg32a = that byte, zero-extended
; uses  : af, hl
; cost  : 80 T-states, 4 bytes (falls into __acctorega1)
__read1:
   ld hl,(__reg32a)
   ld a,(hl)
   ; falls into __acctorega1

; __acctorega1: __reg32a := a, zero-extended
; enter : a = byte
; exit  : __reg32a = a
; uses  : hl
; cost  : 57 T-states, 11 bytes
__acctorega1:
   ld l,a
   ld h,0
   ld (__reg32a),hl
   ld l,h
   ld (__reg32a+2),hl
   ret

; __extsigna1: sign-extend the low byte of __reg32a to 32 bits
; enter : __reg32a+0 = signed byte
; exit  : __reg32a = that byte sign-extended
; uses  : af, hl
; cost  : 75 T-states, 3 bytes (falls into __acctorega1s)
__extsigna1:
   ld a,(__reg32a)
   ; falls into __acctorega1s

; __acctorega1s: __reg32a := a, sign-extended
; enter : a = signed byte
; exit  : __reg32a = a extended with copies of its bit 7
; uses  : af, hl
; cost  : 62 T-states, 12 bytes
__acctorega1s:
   ld l,a
   rla
   sbc a,a
   ld h,a
   ld (__reg32a),hl
   ld l,a
   ld (__reg32a+2),hl
   ret

; __extsigna2: sign-extend the low word of __reg32a to 32 bits
; enter : __reg32a+0..1 = signed word
; exit  : __reg32a = that word sign-extended
; uses  : af
; cost  : 57 T-states, 12 bytes
__extsigna2:
   ld a,(__reg32a+1)
   rla
   sbc a,a
   ld (__reg32a+2),a
   ld (__reg32a+3),a
   ret

; __reg32a_clr2: clear the upper word of __reg32a (after ld (__reg32a),hl)
; enter : -
; exit  : __reg32a+2 = __reg32a+3 = 0
; uses  : af
; cost  : 40 T-states, 8 bytes
__reg32a_clr2:
   xor a
   ld (__reg32a+2),a
   ld (__reg32a+3),a
   ret

; __acctoregb1: __reg32b := a, zero-extended
; enter : a = byte
; exit  : __reg32b = a
; uses  : hl
; cost  : 57 T-states, 11 bytes
__acctoregb1:
   ld l,a
   ld h,0
   ld (__reg32b),hl
   ld l,h
   ld (__reg32b+2),hl
   ret

; __getarg1: __reg32b := the byte at hl, zero-extended
; enter : hl = address
; exit  : __reg32b = (hl)
; uses  : hl
; cost  : 60 T-states, 11 bytes
__getarg1:
   ld l,(hl)
   ld h,0
   ld (__reg32b),hl
   ld l,h
   ld (__reg32b+2),hl
   ret

; __getarg2: __reg32b := the word at hl, zero-extended
; enter : hl = address
; exit  : __reg32b = (hl), (hl+1)
; uses  : a, hl
; cost  : 76 T-states, 14 bytes
__getarg2:
   ld a,(hl)
   inc hl
   ld h,(hl)
   ld l,a
   ld (__reg32b),hl
   ld hl,0
   ld (__reg32b+2),hl
   ret

; __getarg4: __reg32b := the 4 bytes at hl
; enter : hl = address
; exit  : __reg32b = (hl) .. (hl+3)
; uses  : f, bc, de, hl
; cost  : 84 T-states, 12 bytes
__getarg4:
   ld de,__reg32b
   ldi
   ldi
   ldi
   ldi
   ret

; __extsign1: sign-extend the low byte of __reg32b to 32 bits
; enter : __reg32b+0 = signed byte
; exit  : __reg32b = that byte sign-extended
; uses  : af
; cost  : 70 T-states, 15 bytes
__extsign1:
   ld a,(__reg32b)
   rla
   sbc a,a
   ld (__reg32b+1),a
   ld (__reg32b+2),a
   ld (__reg32b+3),a
   ret

; __extsign2: sign-extend the low word of __reg32b to 32 bits
; enter : __reg32b+0..1 = signed word
; exit  : __reg32b = that word sign-extended
; uses  : af
; cost  : 57 T-states, 12 bytes
__extsign2:
   ld a,(__reg32b+1)
   rla
   sbc a,a
   ld (__reg32b+2),a
   ld (__reg32b+3),a
   ret

; __movbtoa: __reg32a := __reg32b
; enter : -
; exit  : __reg32a = __reg32b
; uses  : hl
; cost  : 74 T-states, 13 bytes
__movbtoa:
   ld hl,(__reg32b)
   ld (__reg32a),hl
   ld hl,(__reg32b+2)
   ld (__reg32a+2),hl
   ret

; __sta4: store the 4 bytes of __reg32a at hl
; enter : hl = address
; exit  : (hl) .. (hl+3) = __reg32a
; uses  : f, bc, de, hl
; cost  : 88 T-states, 13 bytes
__sta4:
   ex de,hl
   ld hl,__reg32a
   ldi
   ldi
   ldi
   ldi
   ret

; __pusharg: push __reg32a as one argument slot
; enter : -
; exit  : stack gains the slot, high word pushed first (low word on top)
; uses  : de, hl
; cost  : 70 T-states, 10 bytes
__pusharg:
   ld hl,(__reg32a+2)
   ex (sp),hl
   ld de,(__reg32a)
   push de
   jp (hl)

; __popb: pop the argument slot on top of the stack into __reg32b
; enter : stack top = low word, then high word of the slot
; exit  : __reg32b = the slot, which is removed
; uses  : de, hl
; cost  : 70 T-states, 11 bytes
__popb:
   pop de
   pop hl
   ld (__reg32b),hl
   pop hl
   ld (__reg32b+2),hl
   ex de,hl
   jp (hl)

; __copyblock: copy a block of bytes (whole records and arrays)
; enter : three argument slots, pushed in this order: the source address,
;         the destination address, the byte count (low words used)
; exit  : the bytes copied front to back; the three slots removed
; uses  : af, bc, de, hl
; cost  : 21 a byte + 107 T-states (about 110 for no bytes), 17 bytes
__copyblock:
   pop hl
   pop bc
   pop de
   pop de
   inc sp
   inc sp
   ; the return address takes the place of the source's low word
   ex (sp),hl
   ld a,b
   or c
   jr z,__copyblock_done
   ldir
__copyblock_done:
   pop hl
   inc sp
   inc sp
   jp (hl)

; ======================================================================
; 32-bit add, subtract and logic
; ======================================================================

; __op_add: __reg32a := __reg32a + __reg32b
; enter : -
; exit  : __reg32a = sum (mod 2^32)
; uses  : f, de, hl
; cost  : 140 T-states, 24 bytes
__op_add:
   ld hl,(__reg32a)
   ld de,(__reg32b)
   add hl,de
   ld (__reg32a),hl
   ld hl,(__reg32a+2)
   ld de,(__reg32b+2)
   adc hl,de
   ld (__reg32a+2),hl
   ret

; __op_sub: __reg32a := __reg32a - __reg32b
; enter : -
; exit  : __reg32a = difference (mod 2^32)
; uses  : f, de, hl
; cost  : 148 T-states, 26 bytes
__op_sub:
   ld hl,(__reg32a)
   ld de,(__reg32b)
   or a
   sbc hl,de
   ld (__reg32a),hl
   ld hl,(__reg32a+2)
   ld de,(__reg32b+2)
   sbc hl,de
   ld (__reg32a+2),hl
   ret

; __op_and: __reg32a := __reg32a and __reg32b (bitwise)
; enter : -
; exit  : __reg32a = result
; uses  : af, de, hl
; cost  : 150 T-states, 25 bytes
__op_and:
   ld hl,__reg32a
   ld de,__reg32b
   ld a,(de)
   and (hl)
   ld (hl),a
   inc hl
   inc de
   ld a,(de)
   and (hl)
   ld (hl),a
   inc hl
   inc de
   ld a,(de)
   and (hl)
   ld (hl),a
   inc hl
   inc de
   ld a,(de)
   and (hl)
   ld (hl),a
   ret

; __op_or: __reg32a := __reg32a or __reg32b (bitwise)
; enter : -
; exit  : __reg32a = result
; uses  : af, de, hl
; cost  : 150 T-states, 25 bytes
__op_or:
   ld hl,__reg32a
   ld de,__reg32b
   ld a,(de)
   or (hl)
   ld (hl),a
   inc hl
   inc de
   ld a,(de)
   or (hl)
   ld (hl),a
   inc hl
   inc de
   ld a,(de)
   or (hl)
   ld (hl),a
   inc hl
   inc de
   ld a,(de)
   or (hl)
   ld (hl),a
   ret

; __op_xor: __reg32a := __reg32a xor __reg32b (bitwise)
; enter : -
; exit  : __reg32a = result
; uses  : af, de, hl
; cost  : 150 T-states, 25 bytes
__op_xor:
   ld hl,__reg32a
   ld de,__reg32b
   ld a,(de)
   xor (hl)
   ld (hl),a
   inc hl
   inc de
   ld a,(de)
   xor (hl)
   ld (hl),a
   inc hl
   inc de
   ld a,(de)
   xor (hl)
   ld (hl),a
   inc hl
   inc de
   ld a,(de)
   xor (hl)
   ld (hl),a
   ret

; __op_add_a: __reg32a := __reg32a + a, a unsigned
; enter : a = byte to add
; exit  : __reg32a = sum (mod 2^32)
; uses  : af, hl
; cost  : 35-100 T-states, 15 bytes
__op_add_a:
   ld hl,__reg32a
   add a,(hl)
   ld (hl),a
   ret nc
   inc hl
   inc (hl)
   ret nz
   inc hl
   inc (hl)
   ret nz
   inc hl
   inc (hl)
   ret

; __op_sub_a: __reg32a := __reg32a - a, a unsigned
; enter : a = byte to subtract
; exit  : __reg32a = difference (mod 2^32)
; uses  : af, c, hl
; cost  : 43-128 T-states, 23 bytes
__op_sub_a:
   ld hl,__reg32a
   ld c,a
   ld a,(hl)
   sub c
   ld (hl),a
   ret nc
   inc hl
   ld a,(hl)
   sub 1
   ld (hl),a
   ret nc
   inc hl
   ld a,(hl)
   sub 1
   ld (hl),a
   ret nc
   inc hl
   dec (hl)
   ret

; __neg32: negate the 32-bit number at hl in place
; enter : hl = address of the number
; exit  : (hl) .. (hl+3) = 0 - the number; hl = address + 3
; uses  : af, hl
; cost  : 109 T-states, 19 bytes
__neg32:
   xor a
   sub (hl)
   ld (hl),a
   inc hl
   ld a,0
   sbc a,(hl)
   ld (hl),a
   inc hl
   ld a,0
   sbc a,(hl)
   ld (hl),a
   inc hl
   ld a,0
   sbc a,(hl)
   ld (hl),a
   ret

; ======================================================================
; Comparisons
; ======================================================================
; Each compares the left value __reg32a with the right value __reg32b and
; returns Z set when they are equal and C set when left < right.  The first
; letter of the name says whether the left value is signed (s) or unsigned
; (u), the second the same of the right value; mixed pairs compare the two
; mathematical values (a negative signed value is below every unsigned one).

; __op_cmp_uu: unsigned left, unsigned right
; enter : -
; exit  : Z = (left = right), C = (left < right)
; uses  : f, de, hl
; cost  : 66-121 T-states, 21 bytes
__op_cmp_uu:
   ld hl,(__reg32a+2)
   ld de,(__reg32b+2)
   or a
   sbc hl,de
   ret nz
__cmp_lowords:
   ld hl,(__reg32a)
   ld de,(__reg32b)
   sbc hl,de
   ret

; __op_cmp_ss: signed left, signed right
; enter : -
; exit  : Z = (left = right), C = (left < right)
; uses  : af, de, hl
; cost  : 96-161 T-states, 22 bytes (+ the low-word tail of __op_cmp_uu)
__op_cmp_ss:
   ld hl,(__reg32a+2)
   ld a,h
   xor 80h
   ld h,a
   ld de,(__reg32b+2)
   ld a,d
   xor 80h
   ld d,a
   or a
   sbc hl,de
   ret nz
   jp __cmp_lowords

; __op_cmp_su: signed left, unsigned right
; enter : -
; exit  : Z = (left = right), C = (left < right)
; uses  : af, de, hl
; cost  : 41-148 T-states, 9 bytes (+ __op_cmp_uu)
__op_cmp_su:
   ld a,(__reg32a+3)
   or a
   jp p,__op_cmp_uu
   scf
   ret

; __op_cmp_us: unsigned left, signed right
; enter : -
; exit  : Z = (left = right), C = (left < right)
; uses  : af, de, hl
; cost  : 37-148 T-states, 8 bytes (+ __op_cmp_uu)
__op_cmp_us:
   ld a,(__reg32b+3)
   or a
   jp p,__op_cmp_uu
   ret

; ======================================================================
; Multiplication
; ======================================================================

; __op_mul8816: hl := a * c (8 x 8 -> 16 bits, unsigned)
; enter : a, c = factors
; exit  : hl = product
; uses  : af, de, hl
; cost  : 205-248 T-states, 38 bytes
__op_mul8816:
   ; the classic hl-shift multiply; its first step is done in a, where
   ; it is cheaper
   ld d,0
   ld e,c
   add a,a
   ld h,a
   ld l,d
   jr nc,$+3
   ld l,e
   add hl,hl
   jr nc,$+3
   add hl,de
   add hl,hl
   jr nc,$+3
   add hl,de
   add hl,hl
   jr nc,$+3
   add hl,de
   add hl,hl
   jr nc,$+3
   add hl,de
   add hl,hl
   jr nc,$+3
   add hl,de
   add hl,hl
   jr nc,$+3
   add hl,de
   add hl,hl
   jr nc,$+3
   add hl,de
   ret

; __op_mul16: hl := hl * bc (low 16 bits; the same for signed and unsigned)
; enter : hl, bc = factors
; exit  : hl = product
; uses  : af, b, de, hl
; cost  : 265-498 T-states, 102 bytes
__op_mul16:
   ex de,hl
   ld a,b
   or a
   jr z,__mul16_lowbyte
   ; (x * b) only reaches the high byte of the product, where x's low byte
   ; alone counts: an 8-bit product is enough there.
   xor a
   sla b
   jr nc,$+3
   add a,e
   add a,a
   sla b
   jr nc,$+3
   add a,e
   add a,a
   sla b
   jr nc,$+3
   add a,e
   add a,a
   sla b
   jr nc,$+3
   add a,e
   add a,a
   sla b
   jr nc,$+3
   add a,e
   add a,a
   sla b
   jr nc,$+3
   add a,e
   add a,a
   sla b
   jr nc,$+3
   add a,e
   add a,a
   sla b
   jr nc,$+3
   add a,e
   ld b,a
__mul16_lowbyte:
   ld a,c
   ld hl,0
   add a,a
   jr nc,$+4
   ld h,d
   ld l,e
   add hl,hl
   rla
   jr nc,$+3
   add hl,de
   add hl,hl
   rla
   jr nc,$+3
   add hl,de
   add hl,hl
   rla
   jr nc,$+3
   add hl,de
   add hl,hl
   rla
   jr nc,$+3
   add hl,de
   add hl,hl
   rla
   jr nc,$+3
   add hl,de
   add hl,hl
   rla
   jr nc,$+3
   add hl,de
   add hl,hl
   rla
   jr nc,$+3
   add hl,de
   ld a,h
   add a,b
   ld h,a
   ret

; __mul24: a:hl := a * de (8 x 16 -> 24 bits, unsigned)
; enter : a, de = factors
; exit  : a = bits 16..23, hl = bits 0..15 of the product; de kept
; uses  : af, hl
; cost  : 225-319 T-states, 58 bytes
__mul24:
   ld hl,0
   add a,a
   jr nc,$+4
   ld h,d
   ld l,e
   add hl,hl
   rla
   jr nc,$+5
   add hl,de
   adc a,0
   add hl,hl
   rla
   jr nc,$+5
   add hl,de
   adc a,0
   add hl,hl
   rla
   jr nc,$+5
   add hl,de
   adc a,0
   add hl,hl
   rla
   jr nc,$+5
   add hl,de
   adc a,0
   add hl,hl
   rla
   jr nc,$+5
   add hl,de
   adc a,0
   add hl,hl
   rla
   jr nc,$+5
   add hl,de
   adc a,0
   add hl,hl
   rla
   jr nc,$+5
   add hl,de
   adc a,0
   ret

; __mul32x16: de:hl := de * bc (16 x 16 -> 32 bits, unsigned)
; enter : de, bc = factors
; exit  : de = high word, hl = low word of the product
; uses  : af, bc, de, hl
; cost  : 574-762 T-states, 24 bytes (+ 2 x __mul24)
__mul32x16:
   ld a,c
   call __mul24
   push hl
   ld c,a
   ld a,b
   call __mul24
   ; product = (a:hl << 8) + (c:stacked word)
   pop de
   ld b,a
   ld a,d
   add a,l
   ld d,a
   ld a,c
   adc a,h
   ld l,a
   ld a,b
   adc a,0
   ld h,a
   ex de,hl
   ret

; __op_mul: __reg32a := __reg32a * __reg32b (low 32 bits; signed or unsigned)
; enter : -
; exit  : __reg32a = product (mod 2^32)
; uses  : af, bc, de, hl
; cost  : 777-2047 T-states, 52 bytes (+ __mul32x16, __op_mul16)
__op_mul:
   ; The high words only meet the low words, and only in the high word of
   ; the result; skip their 16-bit products when they are zero.
   ld hl,(__reg32a+2)
   ld a,h
   or l
   jr z,__mul_ahigh_zero
   ld bc,(__reg32b)
   call __op_mul16
__mul_ahigh_zero:
   push hl
   ld hl,(__reg32b+2)
   ld a,h
   or l
   jr z,__mul_bhigh_zero
   ld bc,(__reg32a)
   call __op_mul16
   pop de
   add hl,de
   push hl
__mul_bhigh_zero:
   ld de,(__reg32a)
   ld bc,(__reg32b)
   call __mul32x16
   ld (__reg32a),hl
   pop hl
   add hl,de
   ld (__reg32a+2),hl
   ret

; __op_mul_a: __reg32a := __reg32a * a (a unsigned; low 32 bits)
; enter : a = factor
; exit  : __reg32a = product (mod 2^32)
; uses  : af, bc, de, hl
; cost  : 398-835 T-states, 36 bytes (+ __mul24, __op_mul16)
__op_mul_a:
   ld c,a
   ld b,0
   ld hl,(__reg32a+2)
   ld a,h
   or l
   jr z,__mula_high_zero
   push bc
   call __op_mul16
   pop bc
__mula_high_zero:
   push hl
   ld a,c
   ld de,(__reg32a)
   call __mul24
   ld (__reg32a),hl
   pop hl
   ld e,a
   ld d,0
   add hl,de
   ld (__reg32a+2),hl
   ret

; ======================================================================
; Shifts
; ======================================================================

; __op_shl: __reg32a := __reg32a shl __reg32b
; enter : __reg32b = bit count (unsigned; 32 or more gives 0)
; exit  : __reg32a = shifted value
; uses  : af, b, de, hl
; cost  : 116-552 T-states, 62 bytes
__op_shl:
   call __shift_count
   jr nc,__shift_zero
   ld hl,(__reg32a)
   ld de,(__reg32a+2)
   cp 16
   jr c,__shl_below16
   ex de,hl
   ld hl,0
   sub 16
__shl_below16:
   cp 8
   jr c,__shl_below8
   ld d,e
   ld e,h
   ld h,l
   ld l,0
   sub 8
__shl_below8:
   or a
   jr z,__shift_store
   ld b,a
__shl_loop:
   add hl,hl
   rl e
   rl d
   djnz __shl_loop
__shift_store:
   ld (__reg32a),hl
   ld (__reg32a+2),de
   ret
__shift_zero:
   ld hl,0
   ld (__reg32a),hl
   ld (__reg32a+2),hl
   ret

; __shift_count: fetch the count of a shift from __reg32b
; enter : -
; exit  : a = count and C set when the count is below 32; C clear otherwise
; uses  : af, hl
; cost  : 35-81 T-states, 17 bytes
__shift_count:
   ld hl,(__reg32b+2)
   ld a,h
   or l
   ret nz
   ld a,(__reg32b+1)
   or a
   ret nz
   ld a,(__reg32b)
   cp 32
   ret

; __op_shr: __reg32a := __reg32a shr __reg32b (logical: zeros come in)
; enter : __reg32b = bit count (unsigned; 32 or more gives 0)
; exit  : __reg32a = shifted value
; uses  : af, b, de, hl
; cost  : 116-599 T-states, 49 bytes (+ __shift_count)
__op_shr:
   call __shift_count
   jr nc,__shift_zero
   ld hl,(__reg32a)
   ld de,(__reg32a+2)
   cp 16
   jr c,__shr_below16
   ex de,hl
   ld de,0
   sub 16
__shr_below16:
   cp 8
   jr c,__shr_below8
   ld l,h
   ld h,e
   ld e,d
   ld d,0
   sub 8
__shr_below8:
   or a
   jr z,__shift_store
   ld b,a
__shr_loop:
   srl d
   rr e
   rr h
   rr l
   djnz __shr_loop
   jr __shift_store

; ======================================================================
; Division and modulo
; ======================================================================
; Quotients are truncated toward zero; a remainder has the sign of the
; dividend (x = (x div y) * y + x mod y).  A divisor of 0 stops the program
; with run-time error 200.  -2147483648 div -1 gives -2147483648.

; __op_div_u: __reg32a := __reg32a div __reg32b, unsigned
; enter : __reg32a = dividend, __reg32b = divisor
; exit  : __reg32a = quotient, __reg32b = remainder
; uses  : af, bc, de, hl, bc', de', hl'
; cost  : 215-2748 T-states, 3 bytes
__op_div_u:
   jp __udivmod32

; __op_mod_u: __reg32a := __reg32a mod __reg32b, unsigned
; enter : __reg32a = dividend, __reg32b = divisor
; exit  : __reg32a = remainder, __reg32b = remainder
; uses  : af, bc, de, hl, bc', de', hl'
; cost  : 377-2839 T-states, 6 bytes
__op_mod_u:
   call __udivmod32
   jp __movbtoa

; __op_div_s: __reg32a := __reg32a div __reg32b, signed
; enter : __reg32a = dividend, __reg32b = divisor
; exit  : __reg32a = quotient, __reg32b = remainder
; uses  : af, bc, de, hl, bc', de', hl'
; cost  : 422-3303 T-states, 3 bytes
__op_div_s:
   jp __sdivmod32

; __op_mod_s: __reg32a := __reg32a mod __reg32b, signed
; enter : __reg32a = dividend, __reg32b = divisor
; exit  : __reg32a = remainder, __reg32b = remainder
; uses  : af, bc, de, hl, bc', de', hl'
; cost  : 1046-3394 T-states, 6 bytes
__op_mod_s:
   call __sdivmod32
   jp __movbtoa

; __sdivmod32: signed 32-bit division with remainder
; enter : __reg32a = dividend, __reg32b = divisor (both signed)
; exit  : __reg32a = quotient, __reg32b = remainder
; uses  : af, bc, de, hl, bc', de', hl'
; cost  : 412-3293 T-states, 49 bytes
__sdivmod32:
   ld a,(__reg32a+3)
   ld c,a
   ld a,(__reg32b+3)
   xor c
   ld b,a
   push bc
   bit 7,c
   ld hl,__reg32a
   call nz,__neg32
   ld a,(__reg32b+3)
   or a
   ld hl,__reg32b
   call m,__neg32
   call __udivmod32
   pop bc
   bit 7,b
   ld hl,__reg32a
   call nz,__neg32
   bit 7,c
   ld hl,__reg32b
   call nz,__neg32
   ret

; __udivmod32: unsigned 32-bit division with remainder
; enter : __reg32a = dividend, __reg32b = divisor
; exit  : __reg32a = quotient, __reg32b = remainder
; uses  : af, bc, de, hl, bc', de', hl'
; cost  : 205-2738 T-states, 252 bytes (+ __div_c8, __div_w8, __div_w);
;         averages on random operands: 16/8 ~850, 16/16 ~490, 32/8 ~1510,
;         32/16 ~1960, 32/32 ~2720 T-states
; Restoring division that only runs the steps that can give quotient bits:
; a divisor below 256 keeps the running remainder in a (__div_c8); one below
; 65536 keeps it in hl (__div_w); a larger one leaves at most 16 quotient
; bits, found with a 32-bit remainder in hl:hl'.
__udivmod32:
   ld bc,(__reg32b+2)
   ld a,b
   or c
   jp nz,__div_big
   ld bc,(__reg32b)
   ld a,b
   or a
   jr nz,__div_word
   or c
   jr z,__div_zero
   ; divisor below 256
   ld hl,(__reg32a+2)
   ld a,h
   or l
   jr z,__div_byte_low
   xor a
   call __div_c8
   ld (__reg32a+2),hl
__div_byte_low:
   ld hl,(__reg32a)
   call __div_c8
   ld (__reg32a),hl
   ld l,a
   ld h,0
   ld (__reg32b),hl
   ld l,h
   ld (__reg32b+2),hl
   ret

__div_zero:
   ld a,200
   ld hl,__text_div_zero
   jp __runerror

__div_word:
   ; divisor from 256 to 65535 in bc
   bit 7,b
   jr nz,__div_word_top
   ; below 32768: a 16-bit half of the dividend has at most 8 quotient
   ; bits, so its high byte goes straight into the remainder
   ld de,(__reg32a+2)
   ld a,d
   or e
   jr z,__div_word_low
   ld h,0
   ld l,d
   call __div_w8
   ld d,0
   ld (__reg32a+2),de
   ld de,(__reg32a)
   ld a,16
   call __div_w
   jr __div_word_store
__div_word_low:
   ld de,(__reg32a)
   ld h,0
   ld l,d
   call __div_w8
   ld d,0
__div_word_store:
   ld (__reg32a),de
   ld (__reg32b),hl
   ld hl,0
   ld (__reg32b+2),hl
   ret

__div_word_top:
   ; 32768 or more: a 16-bit half goes into it at most once
   ld hl,(__reg32a+2)
   ld a,h
   or l
   jr nz,__div_word_top_high
   ld hl,(__reg32a)
   ld de,1
   sbc hl,bc
   jr nc,__div_word_store
   add hl,bc
   dec e
   jr __div_word_store
__div_word_top_high:
   ld de,1
   or a
   sbc hl,bc
   jr nc,__div_word_top_low
   add hl,bc
   dec e
__div_word_top_low:
   ld (__reg32a+2),de
   ld de,(__reg32a)
   ld a,16
   call __div_w
   jr __div_word_store

__div_big:
   ; divisor of 65536 or more: the quotient fits in 16 bits; the first 16
   ; steps would only move the high word of the dividend into the remainder.
   ld hl,0
   exx
   ld hl,(__reg32a+2)
   ld de,(__reg32a)
   ld bc,(__reg32b)
   exx
   ld a,16
__div_big_loop:
   ; remainder hl:hl' and quotient de' shift left together; the carry
   ; brings in the previous step's quotient bit, inverted
   exx
   rl e
   rl d
   adc hl,hl
   exx
   adc hl,hl
   jr c,__div_big_over
   exx
   sbc hl,bc
   exx
   sbc hl,bc
   jr nc,__div_big_next
   exx
   add hl,bc
   exx
   adc hl,bc
__div_big_next:
   dec a
   jr nz,__div_big_loop
   ld (__reg32b+2),hl
   exx
   ld (__reg32b),hl
   rl e
   rl d
   ld a,e
   cpl
   ld l,a
   ld a,d
   cpl
   ld h,a
   ld (__reg32a),hl
   ld hl,0
   ld (__reg32a+2),hl
   ret
__div_big_over:
   ; the remainder outgrew 32 bits, so it is surely above the divisor
   exx
   or a
   sbc hl,bc
   exx
   sbc hl,bc
   or a
   jr __div_big_next

; __div_w: a steps of long division by a 16-bit divisor
; enter : hl = running remainder (below bc), de = dividend bits, highest
;         first (left-aligned), bc = divisor, a = number of steps
; exit  : de = quotient bits (the low a bits count), hl = remainder
; uses  : af, de, hl
; cost  : 81-94 T-states a step, plus 45; 33 bytes
__div_w:
   ; the quotient bits enter de inverted, through the carry of each step
   rl e
   rl d
   adc hl,hl
   jr c,__div_w_over
   sbc hl,bc
   jr nc,__div_w_next
   add hl,bc
__div_w_next:
   dec a
   jr nz,__div_w
   rl e
   rl d
   ld a,e
   cpl
   ld e,a
   ld a,d
   cpl
   ld d,a
   ret
__div_w_over:
   or a
   sbc hl,bc
   or a
   jr __div_w_next

; __div_w8: 8 steps of long division by a divisor below 32768
; enter : hl = running remainder (below bc), e = dividend byte, bc = divisor
; exit  : e = quotient byte, hl = remainder
; uses  : af, e, hl
; cost  : 430-478 T-states, 78 bytes
__div_w8:
   ; the quotient bits enter e inverted, through the carry of each step;
   ; 2 * remainder + 1 stays below 65536, so no step overflows
   rl e
   adc hl,hl
   sbc hl,bc
   jr nc,$+3
   add hl,bc
   rl e
   adc hl,hl
   sbc hl,bc
   jr nc,$+3
   add hl,bc
   rl e
   adc hl,hl
   sbc hl,bc
   jr nc,$+3
   add hl,bc
   rl e
   adc hl,hl
   sbc hl,bc
   jr nc,$+3
   add hl,bc
   rl e
   adc hl,hl
   sbc hl,bc
   jr nc,$+3
   add hl,bc
   rl e
   adc hl,hl
   sbc hl,bc
   jr nc,$+3
   add hl,bc
   rl e
   adc hl,hl
   sbc hl,bc
   jr nc,$+3
   add hl,bc
   rl e
   adc hl,hl
   sbc hl,bc
   jr nc,$+3
   add hl,bc
   rl e
   ld a,e
   cpl
   ld e,a
   ret

; __div_c8: hl := (a:hl) / c, a := remainder (16 quotient bits)
; enter : hl = dividend word, a = running remainder (below c), c = divisor
; exit  : hl = quotient, a = remainder; bc, de kept
; uses  : af, hl
; cost  : 579-666 T-states, 145 bytes
__div_c8:
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   ret

; ======================================================================
; Console output
; ======================================================================

; #target flat
; __putchar: write the character in a to the console
; enter : a = character
; exit  : __lastchar = a
; uses  : -
; cost  : 34 T-states, 6 bytes
__putchar:
   out (1),a
   ld (__lastchar),a
   ret

; __getchar: read the next character from the console: the library's only
; console IN instruction (port 1).  z80run gives standard input there, a
; line end for a last line that has none, then 26 for ever.
; enter : -
; exit  : a = character
; uses  : af
; cost  : 21 T-states, 3 bytes
__getchar:
   in a,(1)
   ret
; #end target

; __lastchar: the last character written (LF before the first), so that a
; run-time error message can start on a line of its own
__lastchar:
   defb 10

; __putcrlf: end a console line with CR, LF
; enter : -
; exit  : -
; uses  : af
; cost  : 109 T-states, 10 bytes
__putcrlf:
   ld a,13
   call __putchar
   ld a,10
   jp __putchar

; __putstr: write a short string (length byte, then the characters)
; enter : hl = address of the length byte
; exit  : -
; uses  : af, b, hl
; cost  : 26 T-states for the empty string, else 77 a character + 25;
;         12 bytes
__putstr:
   ld b,(hl)
   ld a,b
   or a
   ret z
__putstr_loop:
   inc hl
   ld a,(hl)
   call __putchar
   djnz __putstr_loop
   ret

; __putdec_u32: write __reg32a as an unsigned decimal number
; enter : __reg32a = number
; exit  : __reg32a unchanged
; uses  : af, bc, de, hl
; cost  : 1452 T-states for one digit up to 14319 for ten, 36 bytes
__putdec_u32:
   ld hl,(__reg32a)
   ld de,(__reg32a+2)
__putdec_dehl:
   ld bc,10
__putdec_next:
   ; digits come out lowest first: keep them on the stack
   xor a
   ex de,hl
   call __div_c8
   ex de,hl
   call __div_c8
   add a,'0'
   push af
   inc b
   ld a,h
   or l
   or d
   or e
   jr nz,__putdec_next
__putdec_print:
   pop af
   call __putchar
   djnz __putdec_print
   ret

; #optimize
; __div16_c8: hl := hl / c, a := hl mod c (-O programs only: the compact
; loop __putdec_u16 divides by; __div_c8 is the fast unrolled one)
; enter : hl = dividend, c = divisor (1 to 255)
; exit  : hl = quotient, a = remainder; c, de kept
; uses  : af, b, hl
; cost  : 15 bytes
__div16_c8:
   xor a
   ld b,16
__div16_c8_bit:
   add hl,hl
   rla
   jr c,$+5
   cp c
   jr c,$+4
   sub c
   inc l
   djnz __div16_c8_bit
   ret

; __putdec_u16: write hl as an unsigned decimal number (-O programs only:
; needs neither __reg32a nor __div_c8)
; enter : hl = number
; exit  : -
; uses  : af, bc, e, hl
; cost  : 23 bytes (and __div16_c8)
__putdec_u16:
   ld e,0
__putdec_u16_next:
   ; digits come out lowest first: keep them on the stack
   ld c,10
   call __div16_c8
   add a,'0'
   push af
   inc e
   ld a,h
   or l
   jr nz,__putdec_u16_next
__putdec_u16_print:
   pop af
   call __putchar
   dec e
   jr nz,__putdec_u16_print
   ret
; #end optimize

; __putdec_s32: write __reg32a as a signed decimal number ("-" when negative)
; enter : __reg32a = number
; exit  : __reg32a unchanged
; uses  : af, bc, de, hl
; cost  : 1479-14487 T-states (one to ten digits, and the sign), 38 bytes
__putdec_s32:
   ld a,(__reg32a+3)
   or a
   jp p,__putdec_u32
   ld a,'-'
   call __putchar
   xor a
   ld hl,0
   ld de,(__reg32a)
   sbc hl,de
   push hl
   ld hl,0
   ld de,(__reg32a+2)
   sbc hl,de
   ex de,hl
   pop hl
   jr __putdec_dehl

; __putbool: write a boolean as TRUE or FALSE
; enter : a = boolean (0 is FALSE, anything else TRUE)
; exit  : -
; uses  : af, b, hl
; cost  : 374 T-states for TRUE, 446 for FALSE (__putstr included),
;         12 bytes and 11 of text
__putbool:
   or a
   ld hl,__text_false
   jr z,$+5
   ld hl,__text_true
   jp __putstr
__text_true:
   defb 4,84,82,85,69
__text_false:
   defb 5,70,65,76,83,69

; ======================================================================
; Run-time errors
; ======================================================================
; A program stops on an error with the line "Runtime error N: what" on the
; console (after a line break when the output so far ends inside a line),
; writes N to the status port 0FFh and parks on a jump to itself, as a
; finished program does; z80run ends with N as its exit status.

; #target flat
; __runerror: stop the program with a run-time error
; enter : a = error number, hl = its message (a short string)
; exit  : never returns
__runerror:
   ld sp,07fffh
; #end target
; #target cpm zx
; __runerror: stop the program with a run-time error: its message on a
; line of its own, then back to the system with the error number
; enter : a = error number, hl = its message (a short string)
; exit  : never returns
__runerror:
   ld sp,(__stacktop)
; #end target
   push af
   push hl
   ld a,(__lastchar)
   cp 10
   call nz,__putcrlf
   pop hl
   call __putstr
   call __putcrlf
   pop af
; #target flat
   out (0ffh),a
__runerror_park:
   jp __runerror_park
; #end target
; #target cpm zx
   jp __exit
; #end target

__text_div_zero:
   defb 35
   defm "Runtime error 200: division by zero"
__text_stack_overflow:
   defb 33
   defm "Runtime error 202: stack overflow"
__text_heap_overflow:
   defb 32
   defm "Runtime error 203: heap overflow"
__text_bad_pointer:
   defb 44
   defm "Runtime error 204: invalid pointer operation"

; ======================================================================
; Short strings
; ======================================================================
; A short string is a length byte followed by that many characters (at
; most 255).  A destination's capacity (the most characters it holds) comes
; from the caller; __str_append and __str_addchar keep results within 255.

; __str_copy: copy the short string at hl to de, keeping at most c
; characters
; enter : hl = source, de = destination, c = capacity of the destination
; exit  : the length byte (cut to c) and the characters copied (de may
;         equal hl)
; uses  : af, bc, de, hl
; cost  : 21 a character + 67 T-states (about 45 for an empty result),
;         16 bytes
__str_copy:
   ld a,(hl)
   cp c
   jr c,$+3
   ld a,c
   ld (de),a
   or a
   ret z
   inc hl
   inc de
   ld c,a
   ld b,0
   ldir
   ret

; __str_append: append the short string at hl to the one at de, keeping
; at most 255 characters
; enter : hl = string to append, de = destination string
; exit  : destination extended
; uses  : af, bc, de, hl
; cost  : 21 a character + 135 T-states (about 50 when none fits), 27 bytes
__str_append:
   ld a,(de)
   ld b,a
   cpl
   cp (hl)
   jr c,__stra_count
   ld a,(hl)
__stra_count:
   ; a = characters to copy: the source's length or the room left
   or a
   ret z
   ld c,a
   add a,b
   ld (de),a
   push hl
   ex de,hl
   ld e,b
   ld d,0
   add hl,de
   inc hl
   ex de,hl
   pop hl
   inc hl
   ld b,0
   ldir
   ret

; __str_addchar: append one character to the short string at de, unless it
; already holds 255
; enter : de = destination string, a = character
; exit  : destination extended
; uses  : af, c, de, hl
; cost  : 70 T-states (28 for a full string), 12 bytes
__str_addchar:
   ld c,a
   ld a,(de)
   inc a
   ret z
   ld (de),a
   ex de,hl
   ld e,a
   ld d,0
   add hl,de
   ld (hl),c
   ret

; __str_first: the first character of the short string at hl
; enter : hl = string
; exit  : a = its first character, 0 for the empty string
; uses  : af, hl
; cost  : 22-39 T-states, 6 bytes
__str_first:
   ld a,(hl)
   or a
   ret z
   inc hl
   ld a,(hl)
   ret

; __str_test: compare two short strings and test one relation
; enter : hl = left string, de = right string, c = relation code:
;         1 <, 2 =, 3 <=, 4 >, 5 <>, 6 >=
; exit  : a = 1 when "left relation right" holds, else 0
; uses  : af, bc, de, hl
; cost  : 54 a common character + about 130 T-states, 46 bytes
; Strings compare character by character; when one is a prefix of the
; other the shorter is the smaller.  The code is a bit mask of the
; outcomes it accepts (1 less, 2 equal, 4 greater), so the outcome's bit
; and the code give the answer.
__str_test:
   push bc
   ld a,(de)
   ld c,a
   ld b,(hl)
   push bc
   ld a,b
   cp c
   jr c,$+3
   ld a,c
   ; a = the shorter length
   or a
   jr z,__strt_lengths
   ld b,a
__strt_loop:
   inc hl
   inc de
   ld a,(de)
   ld c,a
   ld a,(hl)
   cp c
   jr nz,__strt_differ
   djnz __strt_loop
__strt_lengths:
   pop bc
   ld a,b
   cp c
   jr __strt_outcome
__strt_differ:
   pop bc
__strt_outcome:
   ld a,1
   jr c,__strt_mask
   ld a,2
   jr z,__strt_mask
   ld a,4
__strt_mask:
   pop bc
   and c
   ret z
   ld a,1
   ret

; ======================================================================
; Heap
; ======================================================================
; The heap lies from 0100h up to __heapend, which grows toward the stack
; and never comes within 256 bytes of the stack pointer of the moment.
; Every block starts with a 2-byte header holding its whole size (header
; included, at least 4); the program gets the address after the header.
; Given-back blocks form the free list, kept in address order, each with
; its size and the address of the next free block (0 ends the list).  A
; request takes the first free block that is big enough (its high end when
; the rest is 4 bytes or more), else new room at __heapend; a block given
; back merges with free neighbours.  Both walk the free list: the cost
; grows with the number of free blocks (100 to 150 T-states each).
; __heapend never goes down again; the stack check compares sp with it.

; __heapend: the first byte above the heap
__heapend:
   defw 0100h
; __freelist: the lowest free block, 0 when there is none
__freelist:
   defw 0

; __heap_alloc: take a block of hl bytes from the heap
; enter : hl = size in bytes
; exit  : hl = address of the block (not cleared); a full heap stops the
;         program with run-time error 203
; uses  : af, bc, de, hl
; cost  : 306 T-states for new room when no block is free, about 150 more
;         for each free block passed over; 116 bytes
__heap_alloc:
   ld de,2
   add hl,de
   jp c,__heap_overflow
   ld a,h
   or a
   jr nz,__hal_sized
   ld a,l
   cp 4
   jr nc,__hal_sized
   ld l,4
__hal_sized:
   ; bc = the block's whole size; de = address of the link to follow
   ld b,h
   ld c,l
   ld de,__freelist
__hal_walk:
   ex de,hl
   ld e,(hl)
   inc hl
   ld d,(hl)
   dec hl
   ld a,d
   or e
   jr z,__hal_new
   ; de = a free block, hl = the link to it
   push hl
   ex de,hl
   ld e,(hl)
   inc hl
   ld d,(hl)
   dec hl
   ex de,hl
   or a
   sbc hl,bc
   jr nc,__hal_fits
   pop hl
   inc de
   inc de
   jr __hal_walk
__hal_fits:
   ; hl = the free block's size less the request, de = the free block
   ld a,h
   or a
   jr nz,__hal_split
   ld a,l
   cp 4
   jr nc,__hal_split
   ; too little is left over: the whole block leaves the list
   pop hl
   ex de,hl
   inc hl
   inc hl
   ldi
   ldi
   dec hl
   dec hl
   ret
__hal_split:
   ; the free block keeps its low part, the request gets the high end
   pop af
   ex de,hl
   ld (hl),e
   inc hl
   ld (hl),d
   dec hl
   add hl,de
   jr __hal_header
__hal_new:
   ld hl,(__heapend)
   push hl
   add hl,bc
   jr c,__hal_full
   ex de,hl
   ld hl,-256
   add hl,sp
   jr nc,__hal_full
   or a
   sbc hl,de
   jr c,__hal_full
   ld (__heapend),de
   pop hl
__hal_header:
   ld (hl),c
   inc hl
   ld (hl),b
   inc hl
   ret
__hal_full:
   pop hl
__heap_overflow:
   ld a,203
   ld hl,__text_heap_overflow
   jp __runerror

; __heap_free: give a block back to the heap
; enter : hl = address of the block as __heap_alloc gave it, or 0 (nothing
;         is done); an address outside the heap, or of a block already
;         given back, stops the program with run-time error 204
; exit  : -
; uses  : af, bc, de, hl
; cost  : about 500 T-states, and about 100 more for each free block below
;         it; 87 bytes and 43 of __heap_merge
__heap_free:
   ld a,h
   or l
   ret z
   dec hl
   dec hl
; #target flat
   ; the block must lie in 0100h .. __heapend-4
   ld a,h
   or a
   jr z,__heap_bad_pointer
; #end target
; #target cpm zx
   ; the block must lie in __progend .. __heapend-4
   ld de,__progend
   or a
   sbc hl,de
   jr c,__heap_bad_pointer
   add hl,de
; #end target
   ex de,hl
   ld hl,(__heapend)
   dec hl
   dec hl
   dec hl
   dec hl
   or a
   sbc hl,de
   jr c,__heap_bad_pointer
   ld hl,__freelist
__hfr_walk:
   ; hl = the link to bc, the next free block; de = the block given back
   ld c,(hl)
   inc hl
   ld b,(hl)
   dec hl
   ld a,b
   or c
   jr z,__hfr_link
   push hl
   ld h,b
   ld l,c
   or a
   sbc hl,de
   pop hl
   jr z,__heap_bad_pointer
   jr nc,__hfr_link
   ld h,b
   ld l,c
   inc hl
   inc hl
   jr __hfr_walk
__hfr_link:
   ; the block goes between the link at hl and bc
   push hl
   ld (hl),e
   inc hl
   ld (hl),d
   ex de,hl
   push hl
   inc hl
   inc hl
   ld (hl),c
   inc hl
   ld (hl),b
   pop hl
   call __heap_merge
   ; and the free block before it, if any, with it
   pop hl
   ld de,__freelist
   or a
   sbc hl,de
   ret z
   add hl,de
   dec hl
   dec hl
   jp __heap_merge
__heap_bad_pointer:
   ld a,204
   ld hl,__text_bad_pointer
   jp __runerror

; __heap_merge: join a free block with the next one when they touch
; enter : hl = a free block
; exit  : hl = the same block
; uses  : af, bc, de
__heap_merge:
   push hl
   ld e,(hl)
   inc hl
   ld d,(hl)
   inc hl
   ld c,(hl)
   inc hl
   ld b,(hl)
   pop hl
   push hl
   add hl,de
   or a
   sbc hl,bc
   pop hl
   ret nz
   ; bc touches: add its size, take over its link
   push hl
   ld h,b
   ld l,c
   ld c,(hl)
   inc hl
   ld b,(hl)
   inc hl
   ld a,(hl)
   inc hl
   ld h,(hl)
   ld l,a
   ex (sp),hl
   ex de,hl
   add hl,bc
   ex de,hl
   ld (hl),e
   inc hl
   ld (hl),d
   inc hl
   pop de
   ld (hl),e
   inc hl
   ld (hl),d
   dec hl
   dec hl
   dec hl
   ret

; ======================================================================
; Stack check
; ======================================================================

; __stack_check: stop the program with run-time error 202 when the stack
; has come down to within 128 bytes of the heap (or wrapped past 0); the
; entry of every subroutine calls it in a program compiled with {$s+}
; enter : -
; exit  : -
; uses  : -
; cost  : 197 T-states, 39 bytes
__stack_check:
   push af
   push de
   push hl
   ld hl,0
   add hl,sp
; #target flat
   bit 7,h
   jr nz,__stack_overflow
; #end target
; #target cpm zx
   ; the stack wrapped past 0 when sp lies above where it began (44
   ; T-states more than the flat machine's test)
   ex de,hl
   ld hl,(__stacktop)
   dec hl
   or a
   sbc hl,de
   ex de,hl
   jr c,__stack_overflow
; #end target
   ld de,(__heapend)
   or a
   sbc hl,de
   jr c,__stack_overflow
   ld de,128
   sbc hl,de
   jr c,__stack_overflow
   pop hl
   pop de
   pop af
   ret
__stack_overflow:
   ld a,202
   ld hl,__text_stack_overflow
   jp __runerror

; ======================================================================
; Field widths of write and writeln
; ======================================================================
; write(x:w) writes x right-aligned in a field of w characters: spaces
; first, as many as the text of x falls short of w (none when it is as
; long or longer, or w is 0 or negative).

; __field_width: the width of the field being written (0 to 65535)
__field_width:
   defw 0

; __putdec_sign: 1 while __putdec_s32_w writes a negative number
__putdec_sign:
   defb 0

; __set_width: keep a field width for __putpad
; enter : de:hl = width (32 bits, signed)
; exit  : __field_width = the width, 0 when negative, 65535 when above
; uses  : af, hl
; cost  : 53-68 T-states, 21 bytes
__set_width:
   bit 7,d
   jr nz,__setw_none
   ld a,d
   or e
   jr z,__setw_store
   ld hl,65535
   jr __setw_store
__setw_none:
   ld hl,0
__setw_store:
   ld (__field_width),hl
   ret

; __putpad: write the spaces in front of a text of a characters
; enter : a = length of the text, __field_width = field width
; exit  : -
; uses  : af, de, hl
; cost  : 52 T-states without spaces, else 48 a space + 46; 21 bytes
__putpad:
   ld hl,(__field_width)
   ld e,a
   ld d,0
   or a
   sbc hl,de
   ret c
   ret z
__putpad_loop:
   ld a,' '
   call __putchar
   dec hl
   ld a,h
   or l
   jr nz,__putpad_loop
   ret

; __putdec_u32_w, __putdec_s32_w: write __reg32a as an unsigned / signed
; decimal number in a field of __field_width characters
; enter : __reg32a = number, __field_width = field width
; exit  : __reg32a unchanged
; uses  : af, bc, de, hl
; cost  : as __putdec_u32 / __putdec_s32 + about 100 T-states, + __putpad;
;         75 bytes
__putdec_u32_w:
   xor a
   ld (__putdec_sign),a
   ld hl,(__reg32a)
   ld de,(__reg32a+2)
   jr __putdecw_dehl
__putdec_s32_w:
   ld a,(__reg32a+3)
   or a
   jp p,__putdec_u32_w
   xor a
   ld hl,0
   ld de,(__reg32a)
   sbc hl,de
   push hl
   ld hl,0
   ld de,(__reg32a+2)
   sbc hl,de
   ex de,hl
   pop hl
   ld a,1
   ld (__putdec_sign),a
__putdecw_dehl:
   ld bc,10
__putdecw_next:
   ; digits come out lowest first: keep them on the stack, b of them
   xor a
   ex de,hl
   call __div_c8
   ex de,hl
   call __div_c8
   add a,'0'
   push af
   inc b
   ld a,h
   or l
   or d
   or e
   jr nz,__putdecw_next
   ld a,(__putdec_sign)
   add a,b
   call __putpad
   ld a,(__putdec_sign)
   or a
   jr z,__putdecw_print
   ld a,'-'
   call __putchar
__putdecw_print:
   pop af
   call __putchar
   djnz __putdecw_print
   ret
; #target cpm zx

; ======================================================================
; CP/M and Spectrum programs: start, console and end
; ======================================================================
; The compiler keeps the lines between "; #target NAMES" and "; #end
; target" only for the machines named there (flat, cpm, zx) and drops the
; marker lines.  On CP/M and the Spectrum the program opens with
; "call __start" and "jp _reset" and ends with "jp __exit"; the label
; __progend follows its last byte, and the heap starts there.  The
; stack lies at the top of the memory the system leaves free, so a
; stack that wrapped past 0 is one that lies above __stacktop.

; __stacktop: the stack pointer the program began with
__stacktop:
   defw 0
; #end target
; #target cpm

; ----------------------------------------------------------------------
; CP/M: the program at 0100h, the stack below the BDOS (the word at 0006h
; is its entry and the end of the memory a program may use), the heap
; from __progend up to the stack.  The console goes through BDOS calls at
; 0005h, which may change any register: __bdos keeps them all but af.

; __start: the stack below the BDOS and the heap above the program, then
; back to the opening lines on the new stack
; uses  : de, hl
__start:
   pop de
   ld hl,(0006h)
   ld (__stacktop),hl
   ld sp,hl
   ld hl,__progend
   ld (__heapend),hl
   ex de,hl
   jp (hl)

; __exit: back to CP/M through its warm boot; a status other than 0 is
; also left as the program return code 0FF00h + status (BDOS function
; 108 of CP/M 3, where it fails a SUBMIT job; CP/M 2.2 ignores the call)
; enter : a = status
__exit:
   or a
   jp z,0
   ld e,a
   ld d,0ffh
   ld c,108
   call __bdos
   jp 0

; __bdos: BDOS function c with de
; exit  : a = the BDOS's result
; uses  : af
__bdos:
   push bc
   push de
   push hl
   push ix
   push iy
   call 5
   pop iy
   pop ix
   pop hl
   pop de
   pop bc
   ret

; __putchar: write the character in a to the console (BDOS function 2)
; enter : a = character
; exit  : __lastchar = a
; uses  : -
__putchar:
   ld (__lastchar),a
   push af
   push bc
   push de
   ld e,a
   ld c,2
   call __bdos
   pop de
   pop bc
   pop af
   ret

; __getchar: the next character of the console: BDOS function 10 reads
; a line (with CP/M's line editing) into __con_buf; its characters come
; one by one, then 13 unless the line filled the buffer.  A Ctrl-Z (26)
; ends the input, as it ends typed input on CP/M: from then on every
; character is 26.
; enter : -
; exit  : a = character
; uses  : af
__getchar:
   ld a,(__con_ended)
   or a
   ret nz
   push bc
   push de
   push hl
__gch_next:
   ld a,(__con_pos)
   ld hl,__con_buf+1
   cp (hl)
   jr c,__gch_char
   jr nz,__gch_read
   ; past the last character: the line end
   inc a
   ld (__con_pos),a
   ld a,(hl)
   cp __con_room
   jr z,__gch_next
   ld a,13
   jr __gch_done
__gch_char:
   inc a
   ld (__con_pos),a
   ld e,a
   ld d,0
   add hl,de
   ld a,(hl)
   cp 26
   jr nz,__gch_done
   ld (__con_ended),a
   jr __gch_done
__gch_read:
   xor a
   ld (__con_pos),a
   ld de,__con_buf
   ld c,10
   call __bdos
   jr __gch_next
__gch_done:
   pop hl
   pop de
   pop bc
   ret

   .equ __con_room, 254
; __con_ended: 26 once the input has ended, else 0
__con_ended:
   defb 0
; __con_pos: the next character's index in the line; past its end (as at
; the start) a new line is read
__con_pos:
   defb 1
; __con_buf: BDOS function 10's buffer: room, count, characters
__con_buf:
   defb __con_room,0
   defs __con_room
; #end target
; #target zx

; ----------------------------------------------------------------------
; The 48K Spectrum: the code block at 08000h, started by RANDOMIZE USR
; 32768 after CLEAR 32767.  BASIC keeps everything below 08000h (its
; stack lies just below) and the user-defined graphics from 0FF58h up, so
; the program's stack starts at 0FF58h and its heap at __progend.  The
; ROM's interrupt handler works through iy, which the generated code also
; uses: interrupts stay off while the program runs.  RST 10h prints on
; channel 2 (the upper screen) with iy at the system variables (5C3Ah);
; the line end is 0Dh.  The end goes back to BASIC with its stack, iy and
; hl' as they were and interrupts on; USR's value (bc) is 0, or the number
; of the run-time error that stopped the program.  The Spectrum has no
; console input here: the compiler refuses read and readln.

   .equ __zx_sysvars, 05c3ah
; the user-defined graphics, the top of the program's memory
   .equ __zx_udg, 0ff58h

; __zx_basic_sp, __zx_basic_hl2: BASIC's stack pointer and hl', for the end
__zx_basic_sp:
   defw 0
__zx_basic_hl2:
   defw 0

; __start: keep what BASIC needs back, take the stack below the
; user-defined graphics and the heap above the program, open channel 2
; (CHAN-OPEN at 1601h), then back to the opening lines on the new stack
; uses  : af, bc, de, hl
__start:
   di
   pop de
   ld (__zx_basic_sp),sp
   exx
   ld (__zx_basic_hl2),hl
   exx
   ld hl,__zx_udg
   ld (__stacktop),hl
   ld sp,hl
   ld hl,__progend
   ld (__heapend),hl
   push de
   ld a,2
   jp 1601h

; __exit: back to BASIC, which gets the status as USR's value
; enter : a = status
__exit:
   ld c,a
   ld b,0
   exx
   ld hl,(__zx_basic_hl2)
   exx
   ld iy,__zx_sysvars
   ld sp,(__zx_basic_sp)
   ei
   ret

; __putchar: write the character in a to the screen (RST 10h); CR, LF and
; CR LF each end a line (0Dh), and "scroll?" is never asked (SCR-CT,
; 5C8Ch, is set to 255 before each character)
; enter : a = character
; exit  : __lastchar = a
; uses  : -
__putchar:
   push af
   push bc
   push de
   push hl
   push ix
   push iy
   ld c,a
   ld a,(__lastchar)
   ld b,a
   ld a,c
   ld (__lastchar),a
   cp 10
   jr nz,__zxp_print
   ld a,b
   cp 13
   jr z,__zxp_done
   ld a,13
__zxp_print:
   ld iy,__zx_sysvars
   ld (iy+52h),0ffh
   rst 10h
__zxp_done:
   pop iy
   pop ix
   pop hl
   pop de
   pop bc
   pop af
   ret

; __getchar: the end of the input (26) for ever
; exit  : a = 26
; uses  : af
__getchar:
   ld a,26
   ret
; #end target
