; divide_zero: a divisor of 0 stops the program with run-time error 200
; (the signed routines reach the same check through __udivmod32).
_main:
   ld hl,7
   ld (__reg32a),hl
   ld hl,0
   ld (__reg32a+2),hl
   ld (__reg32b),hl
   ld (__reg32b+2),hl
   call __op_mod_s
   ld a,'?'
   jp __putchar
