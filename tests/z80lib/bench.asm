; bench: calls the library's routines with pseudo-random operands so that
; `z80run --measure` can time them.  bench.sh picks one scenario per run by
; putting "_main: jp bench_<scenario>" in front of this file.

; b_rnd: next pseudo-random 16-bit number in hl (xorshift 7, 9, 8)
b_rnd:
   ld hl,(b_seed)
   ld a,h
   rra
   ld a,l
   rra
   xor h
   ld h,a
   ld a,l
   rra
   ld a,h
   rra
   xor l
   ld l,a
   xor h
   ld h,a
   ld (b_seed),hl
   ret
b_seed:
   defw 1
b_count:
   defb 0

; b_rnd_a / b_rnd_b: random 32-bit __reg32a / __reg32b
b_rnd_a:
   call b_rnd
   ld (__reg32a),hl
   call b_rnd
   ld (__reg32a+2),hl
   ret
b_rnd_b:
   call b_rnd
   ld (__reg32b),hl
   call b_rnd
   ld (__reg32b+2),hl
   ret

; b_loop: call the routine at hl 256 times, each time after the setup
; routine at de has made its operands
b_loop:
   ld (b_routine),hl
   ld (b_setup),de
   xor a
   ld (b_count),a
b_loop_next:
   ld hl,b_loop_ret
   push hl
   ld hl,(b_setup)
   jp (hl)
b_loop_ret:
   ; reach the routine with every register the setup made (hl included)
   push hl
   ld hl,b_loop_back
   ex (sp),hl
   push hl
   ld hl,(b_routine)
   ex (sp),hl
   ret
b_loop_back:
   ld a,(b_count)
   dec a
   ld (b_count),a
   jr nz,b_loop_next
   ret
b_routine:
   defw 0
b_setup:
   defw 0

; operand makers
b_set_32:
   call b_rnd_a
   jp b_rnd_b
b_set_16:
   call b_set_32
   ld hl,0
   ld (__reg32a+2),hl
   ld (__reg32b+2),hl
   ret
b_set_32by8:
   call b_set_32
   ld hl,0
   ld (__reg32b+2),hl
   ld (__reg32b+1),hl
   ld a,(__reg32b)
   or a
   ret nz
   inc a
   ld (__reg32b),a
   ret
b_set_16by8:
   call b_set_32by8
   ld hl,0
   ld (__reg32a+2),hl
   ret
b_set_16lo:
   call b_set_16
   ld a,(__reg32b+1)
   and 7fh
   jr nz,b_set_16lo_ok
   inc a
b_set_16lo_ok:
   ld (__reg32b+1),a
   ret
b_set_32by16:
   call b_set_32
   ld hl,0
   ld (__reg32b+2),hl
   ld a,(__reg32b+1)
   or a
   ret nz
   inc a
   ld (__reg32b+1),a
   ret
b_set_32by32:
   call b_set_32
   ld a,(__reg32b+3)
   or a
   ret nz
   inc a
   ld (__reg32b+3),a
   ret
b_set_count:
   call b_rnd_a
   call b_rnd
   ld a,l
   and 31
   ld l,a
   ld h,0
   ld (__reg32b),hl
   ld l,h
   ld (__reg32b+2),hl
   ret
b_set_regs16:
   call b_rnd
   push hl
   call b_rnd
   ld b,h
   ld c,l
   pop hl
   ld a,l
   ld d,h
   ld e,c
   ret
b_set_regs16by8:
   call b_set_regs16
   ld b,0
   ret
b_set_byte:
   call b_rnd_a
   call b_rnd
   ld a,l
   ret
b_set_addr:
   call b_rnd_a
   ld hl,b_seed
   ld (__reg32a),hl
   ret
b_set_push:
   call b_rnd_a
   ; push a slot under the return address, for __popb to take
   pop bc
   call __pusharg
   push bc
   ret

; every routine whose cost does not depend on its operands much
bench_simple:
   ld hl,__op_add
   ld de,b_set_32
   call b_loop
   ld hl,__op_sub
   ld de,b_set_32
   call b_loop
   ld hl,__op_and
   ld de,b_set_32
   call b_loop
   ld hl,__op_or
   ld de,b_set_32
   call b_loop
   ld hl,__op_xor
   ld de,b_set_32
   call b_loop
   ld hl,__op_cmp_uu
   ld de,b_set_32
   call b_loop
   ld hl,__op_cmp_ss
   ld de,b_set_32
   call b_loop
   ld hl,__op_cmp_su
   ld de,b_set_32
   call b_loop
   ld hl,__op_cmp_us
   ld de,b_set_32
   call b_loop
   ld hl,__op_add_a
   ld de,b_set_byte
   call b_loop
   ld hl,__op_sub_a
   ld de,b_set_byte
   call b_loop
   ld hl,__acctorega1
   ld de,b_set_byte
   call b_loop
   ld hl,__acctorega1s
   ld de,b_set_byte
   call b_loop
   ld hl,__reg32a_clr2
   ld de,b_set_byte
   call b_loop
   ld hl,__extsigna1
   ld de,b_set_byte
   call b_loop
   ld hl,__extsigna2
   ld de,b_set_byte
   call b_loop
   ld hl,__acctoregb1
   ld de,b_set_byte
   call b_loop
   ld hl,__extsign1
   ld de,b_set_byte
   call b_loop
   ld hl,__extsign2
   ld de,b_set_byte
   call b_loop
   ld hl,__movbtoa
   ld de,b_set_32
   call b_loop
   ld hl,__read1
   ld de,b_set_addr
   call b_loop
   ld hl,__getarg1
   ld de,b_set_addr_hl
   call b_loop
   ld hl,__getarg2
   ld de,b_set_addr_hl
   call b_loop
   ld hl,__getarg4
   ld de,b_set_addr_hl
   call b_loop
   ld hl,__sta4
   ld de,b_set_addr_hl
   call b_loop
   ld hl,__neg32
   ld de,b_set_neg
   call b_loop
   ld hl,__op_shl
   ld de,b_set_count
   call b_loop
   ld hl,__op_shr
   ld de,b_set_count
   call b_loop
   ld hl,__popb
   ld de,b_set_push
   call b_loop
   ld hl,__heap_alloc
   ld de,b_set_heap
   jp b_loop
b_set_addr_hl:
   call b_rnd_a
   ld hl,b_scratch
   ret
b_set_neg:
   call b_rnd_a
   ld hl,__reg32a
   ret
b_set_heap:
   ld hl,10
   ret
b_scratch:
   defb 0,0,0,0

; __pusharg leaves its slot on the stack: time it in a loop of its own
bench_pusharg:
   ld b,0
bench_pusharg_next:
   push bc
   call b_rnd_a
   call __pusharg
   pop hl
   pop hl
   pop bc
   djnz bench_pusharg_next
   ret

bench_mul8:
   ld hl,__op_mul8816
   ld de,b_set_regs16
   jp b_loop
bench_mul16:
   ld hl,__op_mul16
   ld de,b_set_regs16
   jp b_loop
bench_mul16by8:
   ld hl,__op_mul16
   ld de,b_set_regs16by8
   jp b_loop
bench_mul32x16:
   ld hl,__mul32x16
   ld de,b_set_regs16
   jp b_loop
bench_mul32:
   ld hl,__op_mul
   ld de,b_set_32
   jp b_loop
bench_mul32small:
   ld hl,__op_mul
   ld de,b_set_16
   jp b_loop
bench_mula:
   ld hl,__op_mul_a
   ld de,b_set_byte
   jp b_loop
bench_div16by8:
   ld hl,__op_div_u
   ld de,b_set_16by8
   jp b_loop
bench_div16:
   ld hl,__op_div_u
   ld de,b_set_16
   jp b_loop
bench_div16lo:
   ld hl,__op_div_u
   ld de,b_set_16lo
   jp b_loop
bench_div32by8:
   ld hl,__op_div_u
   ld de,b_set_32by8
   jp b_loop
bench_div32by16:
   ld hl,__op_div_u
   ld de,b_set_32by16
   jp b_loop
bench_div32:
   ld hl,__op_div_u
   ld de,b_set_32by32
   jp b_loop
bench_divs32:
   ld hl,__op_div_s
   ld de,b_set_32
   jp b_loop
bench_mod32:
   ld hl,__op_mod_u
   ld de,b_set_32by32
   jp b_loop
bench_putdec:
   ld hl,__putdec_u32
   ld de,b_set_32
   jp b_loop
