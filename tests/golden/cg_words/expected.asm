;;; first line
   org 08000h
   ld sp,07fffh
   jp _reset
   parentframe0: defb 0,0,0,0
   parentframe1: defb 0,0,0,0
   parentframe2: defb 0,0,0,0
   parentframe3: defb 0,0,0,0
   parentframe4: defb 0,0,0,0
   parentframe5: defb 0,0,0,0
_reset:
   call _main
   jp $
_main:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-12
   add hl,sp
   ld sp,hl
                       ; main.pas(14,5):   w := 1000;
   ld hl,1000
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(15,5):   v := w;
   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ex de,hl
   ld (ix+-8),e
   ld (ix+-7),d
                       ; main.pas(16,5):   w := w + 1;
   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;sub/add 16
   inc hl
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(17,5):   w := w - 1;
   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;sub/add 16
   dec hl
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(18,5):   v := w + 300;
   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;sub/add 16
   ld de,300
   add hl,de
   ex de,hl
   ld (ix+-8),e
   ld (ix+-7),d
                       ; main.pas(19,5):   v := v - 5;
   ld e,(ix+-8)
   ld d,(ix+-7)
   ex de,hl
   ;sub/add 16
   ld de,-5
   add hl,de
   ex de,hl
   ld (ix+-8),e
   ld (ix+-7),d
                       ; main.pas(20,3):   writeln(w, v);

   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   ld e,(ix+-8)
   ld d,(ix+-7)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(21,5):   b := 200;
   ld (ix+-11),200
                       ; main.pas(22,5):   w := w + b;
   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;sub/add 16
   ld a,(ix+-11)
   ld e,a
   ld d,0
   add hl,de
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(23,3):   writeln(w);

   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(24,5):   v := v - b;
   ld e,(ix+-8)
   ld d,(ix+-7)
   ex de,hl
   ;sub/add 16
   ld a,(ix+-11)
   ld e,a
   ld d,0
   sub a
   sbc hl,de
   ex de,hl
   ld (ix+-8),e
   ld (ix+-7),d
                       ; main.pas(25,3):   writeln(v);

   ld e,(ix+-8)
   ld d,(ix+-7)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(26,5):   w := w + v;
   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;sub/add 16
   push hl
   push ix
   pop hl
   ld bc,-8
   add hl,bc
   ld e,(hl)
   inc hl
   ld d,(hl)
   pop hl
   add hl,de
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(27,3):   writeln(w);

   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(28,5):   w := w - v;
   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;sub/add 16
   push hl
   push ix
   pop hl
   ld bc,-8
   add hl,bc
   ld e,(hl)
   inc hl
   ld d,(hl)
   pop hl
   sub a
   sbc hl,de
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(29,3):   writeln(w);

   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(30,5):   v := b + b;
   ld a,(ix+-11)
   ;sub/add 16
   add a,(ix+-11)
   ld l,a
   ld a,0
   adc a,0
   ld h,a
   ex de,hl
   ld (ix+-8),e
   ld (ix+-7),d
                       ; main.pas(31,3):   writeln(v);

   ld e,(ix+-8)
   ld d,(ix+-7)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(32,5):   v := b - 201;
   ld a,(ix+-11)
   call __acctorega1
   ld hl,201 & 65535
   ld (__reg32b),hl
   ld hl,0
   ld (__reg32b+2),hl
   call __op_sub
   ld de,(__reg32a+0)
   ld (ix+-8),e
   ld (ix+-7),d
                       ; main.pas(33,3):   writeln(v);

   ld e,(ix+-8)
   ld d,(ix+-7)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(34,5):   w := b + 1;
   ld a,(ix+-11)
   ld l,a
   ld h,0
   inc hl
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(35,3):   writeln(w);

   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(36,5):   w := w * 3;
   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ld bc,3
   call __op_mul16
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(37,3):   writeln(w);

   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(38,5):   w := b * 4;
   ld a,(ix+-11)
   ld c,4
   call __op_mul8816
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(39,3):   writeln(w);

   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(40,5):   w := w * v;
   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   push hl
   push ix
   pop hl
   ld bc,-8
   add hl,bc
   call __getarg2
   pop hl
   ld bc,(__reg32b)
   call __op_mul16
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
                       ; main.pas(41,3):   writeln(w);

   ld e,(ix+-6)
   ld d,(ix+-5)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(42,5):   s := -2;
   ld a,2
   call __acctorega1
   ld hl,__reg32a
   ld a,0
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
   ld a,(__reg32a+0)
   ld (ix+-12),a
                       ; main.pas(43,5):   i := s;
   ld a,(ix+-12)
   ld e,a
   rla
   sbc a,a
   ld d,a
   ld (ix+-10),e
   ld (ix+-9),d
                       ; main.pas(44,3):   writeln(i);

   ld e,(ix+-10)
   ld d,(ix+-9)
   ex de,hl
   ;# typecast
   ld a,h
   rla
   sbc a,a
   ld e,a
   ld d,a
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(45,5):   i := s + 1;
   ld a,(ix+-12)
   ld l,a
   rla
   sbc a,a
   ld h,a
   inc hl
   ex de,hl
   ld (ix+-10),e
   ld (ix+-9),d
                       ; main.pas(46,3):   writeln(i);

   ld e,(ix+-10)
   ld d,(ix+-9)
   ex de,hl
   ;# typecast
   ld a,h
   rla
   sbc a,a
   ld e,a
   ld d,a
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(47,5):   i := i + s;
   ld e,(ix+-10)
   ld d,(ix+-9)
   ex de,hl
   ;sub/add 16
   ld a,(ix+-12)
   ld e,a
   rla
   sbc a,a
   ld d,a
   add hl,de
   ex de,hl
   ld (ix+-10),e
   ld (ix+-9),d
                       ; main.pas(48,3):   writeln(i);

   ld e,(ix+-10)
   ld d,(ix+-9)
   ex de,hl
   ;# typecast
   ld a,h
   rla
   sbc a,a
   ld e,a
   ld d,a
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(49,5):   i := s * 3;
   ld a,(ix+-12)
   ld l,a
   rla
   sbc a,a
   ld h,a
   ld bc,3
   call __op_mul16
   ex de,hl
   ld (ix+-10),e
   ld (ix+-9),d
                       ; main.pas(50,3):   writeln(i);

   ld e,(ix+-10)
   ld d,(ix+-9)
   ex de,hl
   ;# typecast
   ld a,h
   rla
   sbc a,a
   ld e,a
   ld d,a
   push de
   push hl
   call __write_17
   call __write_crl_18
   ld sp,ix
   pop ix
   ret
__write_17:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; io.inc(4,3):   asm
       ld l,(ix+4)
       ld h,(ix+5)
       ld (__reg32a),hl
       ld l,(ix+6)
       ld h,(ix+7)
       ld (__reg32a+2),hl
       call __putdec_s32
       ld a,32
       call __putchar
   ld sp,ix
   pop ix
   pop bc
   ex de,hl
   ld hl,4
   add hl,sp
   ld sp,hl
   ex de,hl
   push bc
   ret
__write_crl_18:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; io.inc(19,3):   asm
       call __putcrlf
   ld sp,ix
   pop ix
   ret
