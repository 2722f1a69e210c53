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
   ld hl,-24
   add hl,sp
   ld sp,hl
   ld (parentframe1),ix
                       ; main.pas(84,5):   g := 5;
   ld (ix+-5),5
                       ; main.pas(85,3):   bump(g, 10);
   push ix
   pop hl
   ld bc,-5
   add hl,bc
   ld de,0
   push de
   push hl
   ld a,10
   ld hl,0
   push hl
   ld l,a
   push hl
   call bump_24
                       ; main.pas(86,3):   writeln(g);

   ld a,(ix+-5)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(87,9):   total := twice(21);
   ld a,21
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call twice_27
   ld de,(__reg32a+0)
   ld (ix+-7),e
   ld (ix+-6),d
                       ; main.pas(88,3):   writeln(total);

   ld e,(ix+-7)
   ld d,(ix+-6)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(89,5):   s := -4;
   ld a,4
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
   ld (ix+-8),a
                       ; main.pas(90,3):   writeln(negate(s), twice(g));

   ld a,(ix+-8)
   ;# typecast
   ld l,a
   rla
   sbc a,a
   ld h,a
   ld e,a
   ld d,a
   push de
   push hl
   call negate_30
   call __pusharg
   call __write_17
   ld a,(ix+-5)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call twice_27
   ;# typecast
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(91,3):   writeln(makepair(-9).a, makepair(40).b);

   push ix
   pop hl
   ld bc,-16
   add hl,bc
   ld de,0
   push de
   push hl
   ld a,9
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
   call __pusharg
   call makepair_33
   ld hl,(__reg32a)
   ld a,(hl)
   ld (__reg32a+0),a
   inc hl
   ld a,(hl)
   ld (__reg32a+1),a
   inc hl
   ld a,(hl)
   ld (__reg32a+2),a
   inc hl
   ld a,(hl)
   ld (__reg32a+3),a
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-24
   add hl,bc
   ld de,0
   push de
   push hl
   ld a,40
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call makepair_33
   ;sub/add 16
   ld hl,(__reg32a)
   ld de,4
   add hl,de
   ld (__reg32a),hl
   call __reg32a_clr2
   ld hl,(__reg32a)
   ld a,(hl)
   ld (__reg32a+0),a
   inc hl
   ld a,(hl)
   ld (__reg32a+1),a
   inc hl
   ld a,(hl)
   ld (__reg32a+2),a
   inc hl
   ld a,(hl)
   ld (__reg32a+3),a
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(92,9):   total := 0;
   ld a,0
   ld e,a
   ld d,0
   ld (ix+-7),e
   ld (ix+-6),d
                       ; main.pas(93,3):   outer(3);
   ld a,3
   ld hl,0
   push hl
   ld l,a
   push hl
   call outer_35
                       ; main.pas(94,3):   farvars;
   call farvars_39
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
bump_24:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(19,5):   x := x + by;
   ld e,(ix+8)
   ld d,(ix+9)
   ld a,(de)
   add a,(ix+4)
   ld l,(ix+8)
   ld h,(ix+9)
   ld (hl),a
                       ; main.pas(20,5):   x := x + 1;
   ld l,(ix+8)
   ld h,(ix+9)
   inc (hl)
   ld sp,ix
   pop ix
   pop bc
   ex de,hl
   ld hl,8
   add hl,sp
   ld sp,hl
   ex de,hl
   push bc
   ret
twice_27:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
                       ; main.pas(25,10):   result := w + w;
   ld e,(ix+4)
   ld d,(ix+5)
   ex de,hl
   ;sub/add 16
   push hl
   push ix
   pop hl
   ld bc,4
   add hl,bc
   ld e,(hl)
   inc hl
   ld d,(hl)
   pop hl
   add hl,de
   ex de,hl
   ld (ix+-6),e
   ld (ix+-5),d
   push ix
   pop hl
   ld bc,-6
   add hl,bc
   call __getarg2
   call __movbtoa
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
negate_30:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
                       ; main.pas(30,10):   result := -v;
   ld e,(ix+4)
   ld d,(ix+5)
   ex de,hl
   ld (__reg32a),hl
   call __extsigna2
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
   push ix
   pop hl
   ld bc,-8
   add hl,bc
   call __sta4
   push ix
   pop hl
   ld bc,-8
   add hl,bc
   call __getarg4
   call __movbtoa
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
makepair_33:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
                       ; main.pas(35,12):   result.a := x;
   push ix
   pop hl
   ld bc,8
   add hl,bc
   ld c,(hl)
   inc hl
   ld h,(hl)
   ld l,c
   push hl
   push ix
   pop hl
   ld bc,4
   add hl,bc
   call __getarg4
   pop hl
   ld a,(__reg32b+0)
   ld (hl),a
   inc hl
   ld a,(__reg32b+1)
   ld (hl),a
   inc hl
   ld a,(__reg32b+2)
   ld (hl),a
   inc hl
   ld a,(__reg32b+3)
   ld (hl),a
                       ; main.pas(36,12):   result.b := x + 1;
   push ix
   pop hl
   ld bc,4
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,1
   call __acctoregb1
   call __op_add
   push ix
   pop hl
   ld bc,-8
   add hl,bc
   call __sta4
   push ix
   pop hl
   ld bc,8
   add hl,bc
   ld c,(hl)
   inc hl
   ld h,(hl)
   ld l,c
   ;sub/add 16
   ld de,4
   add hl,de
   push hl
   push ix
   pop hl
   ld bc,-8
   add hl,bc
   call __getarg4
   pop hl
   ld a,(__reg32b+0)
   ld (hl),a
   inc hl
   ld a,(__reg32b+1)
   ld (hl),a
   inc hl
   ld a,(__reg32b+2)
   ld (hl),a
   inc hl
   ld a,(__reg32b+3)
   ld (hl),a
   push ix
   pop hl
   ld bc,8
   add hl,bc
   ld c,(hl)
   inc hl
   ld h,(hl)
   ld l,c
   ld (__reg32a),hl
   call __reg32a_clr2
   ld sp,ix
   pop ix
   pop bc
   ex de,hl
   ld hl,8
   add hl,sp
   ld sp,hl
   ex de,hl
   push bc
   ret
outer_35:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-208
   add hl,sp
   ld sp,hl
   ld (parentframe2),ix
                       ; main.pas(52,5):   k := 1;
   ld (ix+-5),1
                       ; main.pas(53,3):   inner;
   call inner_38
                       ; main.pas(54,3):   inner;
   call inner_38
                       ; main.pas(55,3):   writeln(k, big[150], total);

   ld a,(ix+-5)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   ld a,150
   ld l,a
   ld h,0
   ex de,hl
   push ix
   pop hl
   ld bc,-208
   add hl,bc
   add hl,de
   ld a,(hl)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   ld iy,(parentframe1)
   ld e,(iy+-7)
   ld d,(iy+-6)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_18
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
inner_38:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(46,7):     k := k + n;
   ld iy,(parentframe2)
   ld a,(iy+-5)
   ld iy,(parentframe2)
   add a,(iy+4)
   ld iy,(parentframe2)
   ld (iy+-5),a
                       ; main.pas(47,14):     big[150] := k;
   ld a,150
   ld l,a
   ld h,0
   ex de,hl
   ld hl,(parentframe2)
   ld bc,-208
   add hl,bc
   add hl,de
   ld iy,(parentframe2)
   ld a,(iy+-5)
   ld (hl),a
                       ; main.pas(48,11):     total := total + k;
   ld iy,(parentframe1)
   ld e,(iy+-7)
   ld d,(iy+-6)
   ex de,hl
   ;sub/add 16
   ld iy,(parentframe2)
   ld a,(iy+-5)
   ld e,a
   ld d,0
   add hl,de
   ex de,hl
   ld iy,(parentframe1)
   ld (iy+-7),e
   ld (iy+-6),d
   ld sp,ix
   pop ix
   ret
farvars_39:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-148
   add hl,sp
   ld sp,hl
                       ; main.pas(71,6):   fb := 40;
   push ix
   pop hl
   ld bc,-145
   add hl,bc
   ld (hl),40
                       ; main.pas(72,6):   fb := fb + 1;
   push ix
   pop hl
   ld bc,-145
   add hl,bc
   inc (hl)
                       ; main.pas(73,6):   fw := 1000;
   ld hl,1000
   ld (__reg32a),hl
   call __reg32a_clr2
   push ix
   pop hl
   ld bc,-147
   add hl,bc
   ld de,(__reg32a+0)
   ld (hl),e
   inc hl
   ld (hl),d
                       ; main.pas(74,6):   fw := fw + fb;
   push ix
   pop hl
   ld bc,-147
   add hl,bc
   call __getarg2
   call __movbtoa
   ;sub/add 16
   ld hl,(__reg32a)
   push hl
   push ix
   pop hl
   ld bc,-145
   add hl,bc
   ld a,(hl)
   pop hl
   ld e,a
   ld d,0
   add hl,de
   ld (__reg32a),hl
   call __reg32a_clr2
   push ix
   pop hl
   ld bc,-147
   add hl,bc
   ld de,(__reg32a+0)
   ld (hl),e
   inc hl
   ld (hl),d
                       ; main.pas(75,6):   fw := fw - fb;
   push ix
   pop hl
   ld bc,-147
   add hl,bc
   call __getarg2
   call __movbtoa
   ;sub/add ?+8=32
   push ix
   pop hl
   ld bc,-145
   add hl,bc
   ld a,(hl)
   call __op_sub_a
   push ix
   pop hl
   ld bc,-147
   add hl,bc
   ld de,(__reg32a+0)
   ld (hl),e
   inc hl
   ld (hl),d
                       ; main.pas(76,6):   fb := fb - 1;
   push ix
   pop hl
   ld bc,-145
   add hl,bc
   dec (hl)
                       ; main.pas(77,3):   writeln(fb, fw);

   push ix
   pop hl
   ld bc,-145
   add hl,bc
   ld a,(hl)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   push ix
   pop hl
   ld bc,-147
   add hl,bc
   call __getarg2
   call __movbtoa
   ;# typecast
   call __pusharg
   call __write_17
   call __write_crl_18
   ld sp,ix
   pop ix
   ret
