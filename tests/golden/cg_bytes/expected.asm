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
                       ; main.pas(13,5):   a := 5;
   ld (ix+-5),5
                       ; main.pas(14,5):   b := a;
   ld a,(ix+-5)
   ld (ix+-6),a
                       ; main.pas(15,5):   a := a + 1;
   inc (ix+-5)
                       ; main.pas(16,5):   b := b - 1;
   dec (ix+-6)
                       ; main.pas(17,5):   c := a + b;
   ld a,(ix+-5)
   add a,(ix+-6)
   ld (ix+-7),a
                       ; main.pas(18,5):   c := c - 2;
   ld a,(ix+-7)
   sub 2
   ld (ix+-7),a
                       ; main.pas(19,3):   writeln(a, b, c);

   ld a,(ix+-5)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   ld a,(ix+-6)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   ld a,(ix+-7)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(20,5):   c := a and b;
   ld a,(ix+-5)
   and (ix+-6)
   ld (ix+-7),a
                       ; main.pas(21,3):   writeln(c);

   ld a,(ix+-7)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(22,5):   c := a or b;
   ld a,(ix+-5)
   or (ix+-6)
   ld (ix+-7),a
                       ; main.pas(23,3):   writeln(c);

   ld a,(ix+-7)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(24,5):   c := a xor b;
   ld a,(ix+-5)
   xor (ix+-6)
   ld (ix+-7),a
                       ; main.pas(25,3):   writeln(c);

   ld a,(ix+-7)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
                       ; main.pas(26,5):   f := a > b;
   ld a,(ix+-5)
   cp (ix+-6)
   ld a,1
   jr z,$+4
   jr nc,$+3
   xor a
   ld (ix+-10),a
                       ; main.pas(27,3):   if f then writeln(1) else writeln(0);
                       ; main.pas(27,6):   if f then writeln(1) else writeln(0);
   ld a,(ix+-10)
   or a
   jp z,label001else
                       ; main.pas(27,13):   if f then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label001end
label001else:
                       ; main.pas(27,29):   if f then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label001end:
                       ; main.pas(28,5):   f := a = 6;
   ld a,(ix+-5)
   cp 6
   ld a,1
   jr z,$+3
   xor a
   ld (ix+-10),a
                       ; main.pas(29,3):   if f then writeln(1) else writeln(0);
                       ; main.pas(29,6):   if f then writeln(1) else writeln(0);
   ld a,(ix+-10)
   or a
   jp z,label002else
                       ; main.pas(29,13):   if f then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label002end
label002else:
                       ; main.pas(29,29):   if f then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label002end:
                       ; main.pas(30,3):   if a < 10 then writeln(1) else writeln(0);
                       ; main.pas(30,6):   if a < 10 then writeln(1) else writeln(0);
   ld a,(ix+-5)
   cp 10
   jp nc,label003else
                       ; main.pas(30,18):   if a < 10 then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label003end
label003else:
                       ; main.pas(30,34):   if a < 10 then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label003end:
                       ; main.pas(31,3):   if a >= b then writeln(1) else writeln(0);
                       ; main.pas(31,6):   if a >= b then writeln(1) else writeln(0);
   ld a,(ix+-5)
   cp (ix+-6)
   jp c,label004else
                       ; main.pas(31,18):   if a >= b then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label004end
label004else:
                       ; main.pas(31,34):   if a >= b then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label004end:
                       ; main.pas(32,3):   if a <= 5 then writeln(1) else writeln(0);
                       ; main.pas(32,6):   if a <= 5 then writeln(1) else writeln(0);
   ld a,(ix+-5)
   cp 5
   jr c,$+7
   jr z,$+5
   jp label005else
                       ; main.pas(32,18):   if a <= 5 then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label005end
label005else:
                       ; main.pas(32,34):   if a <= 5 then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label005end:
                       ; main.pas(33,3):   if a <> b then writeln(1) else writeln(0);
                       ; main.pas(33,6):   if a <> b then writeln(1) else writeln(0);
   ld a,(ix+-5)
   cp (ix+-6)
   jp z,label006else
                       ; main.pas(33,18):   if a <> b then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label006end
label006else:
                       ; main.pas(33,34):   if a <> b then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label006end:
                       ; main.pas(34,5):   s := -3;
   ld a,3
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
                       ; main.pas(35,5):   t := 2;
   ld (ix+-9),2
                       ; main.pas(36,3):   if s < t then writeln(1) else writeln(0);
                       ; main.pas(36,6):   if s < t then writeln(1) else writeln(0);
   ld a,(ix+-8)
   xor 80h
   ld d,a
   ld a,(ix+-9)
   xor 80h
   ld e,a
   ld a,d
   cp e
   jp nc,label007else
                       ; main.pas(36,17):   if s < t then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label007end
label007else:
                       ; main.pas(36,33):   if s < t then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label007end:
                       ; main.pas(37,3):   if s > -5 then writeln(1) else writeln(0);
                       ; main.pas(37,6):   if s > -5 then writeln(1) else writeln(0);
   ld a,5
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
   push ix
   pop hl
   ld bc,-8
   add hl,bc
   call __getarg1
   call __extsign1
   call __op_cmp_ss
   ld a,1
   jr c,$+3
   xor a
   or a
   jp z,label008else
                       ; main.pas(37,18):   if s > -5 then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label008end
label008else:
                       ; main.pas(37,34):   if s > -5 then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label008end:
                       ; main.pas(38,5):   f := s >= t;
   ld a,(ix+-8)
   xor 80h
   ld d,a
   ld a,(ix+-9)
   xor 80h
   ld e,a
   ld a,d
   cp e
   ld a,1
   jr nc,$+3
   xor a
   ld (ix+-10),a
                       ; main.pas(39,3):   if f then writeln(1) else writeln(0);
                       ; main.pas(39,6):   if f then writeln(1) else writeln(0);
   ld a,(ix+-10)
   or a
   jp z,label009else
                       ; main.pas(39,13):   if f then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label009end
label009else:
                       ; main.pas(39,29):   if f then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label009end:
                       ; main.pas(40,5):   f := s < 0;
   ld a,(ix+-8)
   xor 80h
   cp 128
   ld a,1
   jr c,$+3
   xor a
   ld (ix+-10),a
                       ; main.pas(41,3):   if f then writeln(1) else writeln(0);
                       ; main.pas(41,6):   if f then writeln(1) else writeln(0);
   ld a,(ix+-10)
   or a
   jp z,label010else
                       ; main.pas(41,13):   if f then writeln(1) else writeln(0);

   ld a,1
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
   jp label010end
label010else:
                       ; main.pas(41,29):   if f then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label010end:
                       ; main.pas(42,3):   writeln(s, t);

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
   call __write_17
   ld a,(ix+-9)
   ;# typecast
   ld l,a
   rla
   sbc a,a
   ld h,a
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
