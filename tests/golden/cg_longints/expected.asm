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
   ld hl,-20
   add hl,sp
   ld sp,hl
                       ; main.pas(17,5):   l := 100000;
   ld hl,100000 & 65535
   ld (__reg32b),hl
   ld hl,1
   ld (__reg32b+2),hl
   call __movbtoa
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __sta4
                       ; main.pas(18,5):   m := -7;
   ld a,7
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
   ld bc,-16
   add hl,bc
   call __sta4
                       ; main.pas(19,5):   u := 4000000000;
   ld hl,4000000000 & 65535
   ld (__reg32b),hl
   ld hl,61035
   ld (__reg32b+2),hl
   call __movbtoa
   push ix
   pop hl
   ld bc,-20
   add hl,bc
   call __sta4
                       ; main.pas(20,5):   b := 200;
   ld (ix+-5),200
                       ; main.pas(21,5):   s := -3;
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
   ld (ix+-6),a
                       ; main.pas(22,3):   writeln(l + m, l - m, l * m);

   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __op_add
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __op_sub
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __op_mul
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(23,3):   writeln(l and 65535, l or 3, l xor m);

   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld hl,65535 & 65535
   ld (__reg32b),hl
   ld hl,0
   ld (__reg32b+2),hl
   call __op_and
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,3
   call __acctoregb1
   call __op_or
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __op_xor
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(24,3):   writeln(l shl 2, l shr 3);

   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,2
   call __acctoregb1
   call __op_shl
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,3
   call __acctoregb1
   call __op_shr
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(25,3):   writeln(l div m, l mod m, l div 7, l mod 7);

   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __op_div_s
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __op_mod_s
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,7
   call __acctoregb1
   call __op_div_s
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,7
   call __acctoregb1
   call __op_mod_s
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(26,3):   writeln(u div 3, u mod 7);

   push ix
   pop hl
   ld bc,-20
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,3
   call __acctoregb1
   call __op_div_u
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-20
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,7
   call __acctoregb1
   call __op_mod_u
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(27,3):   writeln(not l, -l);

   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld hl,__reg32a
   ld a,0xff
   xor (hl)
   ld (hl),a
   inc hl
   ld a,0xff
   xor (hl)
   ld (hl),a
   inc hl
   ld a,0xff
   xor (hl)
   ld (hl),a
   inc hl
   ld a,0xff
   xor (hl)
   ld (hl),a
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
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
   call __write_17
   call __write_crl_18
                       ; main.pas(28,5):   l := l * 10;
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,10
   call __op_mul_a
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __sta4
                       ; main.pas(29,3):   writeln(l);

   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(30,5):   l := l + b;
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ;sub/add ?+8=32
   ld a,(ix+-5)
   call __op_add_a
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __sta4
                       ; main.pas(31,5):   l := l - b;
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ;sub/add ?+8=32
   ld a,(ix+-5)
   call __op_sub_a
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __sta4
                       ; main.pas(32,3):   writeln(l);

   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(33,5):   l := longint(b);
   ld a,(ix+-5)
   ;# typecast
   call __acctorega1
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __sta4
                       ; main.pas(34,5):   m := longint(s);
   ld a,(ix+-6)
   ;# typecast
   call __acctorega1s
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __sta4
                       ; main.pas(35,3):   writeln(l, m);

   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   call __pusharg
   call __write_17
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __movbtoa
   call __pusharg
   call __write_17
   call __write_crl_18
                       ; main.pas(36,5):   f := l > m;
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __op_cmp_ss
   ld a,1
   jr z,$+4
   jr nc,$+3
   xor a
   ld (ix+-7),a
                       ; main.pas(37,3):   if f then writeln(1) else writeln(0);
                       ; main.pas(37,6):   if f then writeln(1) else writeln(0);
   ld a,(ix+-7)
   or a
   jp z,label001else
                       ; main.pas(37,13):   if f then writeln(1) else writeln(0);

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
                       ; main.pas(37,29):   if f then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label001end:
                       ; main.pas(38,5):   f := m < 0;
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,0
   call __acctoregb1
   call __op_cmp_su
   ld a,1
   jr c,$+3
   xor a
   ld (ix+-7),a
                       ; main.pas(39,3):   if f then writeln(1) else writeln(0);
                       ; main.pas(39,6):   if f then writeln(1) else writeln(0);
   ld a,(ix+-7)
   or a
   jp z,label002else
                       ; main.pas(39,13):   if f then writeln(1) else writeln(0);

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
                       ; main.pas(39,29):   if f then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label002end:
                       ; main.pas(40,5):   f := u > 5;
   push ix
   pop hl
   ld bc,-20
   add hl,bc
   call __getarg4
   call __movbtoa
   ld a,5
   call __acctoregb1
   call __op_cmp_uu
   ld a,1
   jr z,$+4
   jr nc,$+3
   xor a
   ld (ix+-7),a
                       ; main.pas(41,3):   if f then writeln(1) else writeln(0);
                       ; main.pas(41,6):   if f then writeln(1) else writeln(0);
   ld a,(ix+-7)
   or a
   jp z,label003else
                       ; main.pas(41,13):   if f then writeln(1) else writeln(0);

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
                       ; main.pas(41,29):   if f then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label003end:
                       ; main.pas(42,3):   if m <= -3 then writeln(1) else writeln(0);
                       ; main.pas(42,6):   if m <= -3 then writeln(1) else writeln(0);
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
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __op_cmp_ss
   ld a,1
   jr nc,$+3
   xor a
   or a
   jp z,label004else
                       ; main.pas(42,19):   if m <= -3 then writeln(1) else writeln(0);

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
                       ; main.pas(42,35):   if m <= -3 then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label004end:
                       ; main.pas(43,3):   if m <= l then writeln(1) else writeln(0);
                       ; main.pas(43,6):   if m <= l then writeln(1) else writeln(0);
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __movbtoa
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __op_cmp_ss
   ld a,1
   jr z,$+5
   jr c,$+3
   xor a
   or a
   jp z,label005else
                       ; main.pas(43,18):   if m <= l then writeln(1) else writeln(0);

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
                       ; main.pas(43,34):   if m <= l then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label005end:
                       ; main.pas(44,3):   if l <> 200 then writeln(1) else writeln(0);
                       ; main.pas(44,6):   if l <> 200 then writeln(1) else writeln(0);
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld hl,200 & 65535
   ld (__reg32b),hl
   ld hl,0
   ld (__reg32b+2),hl
   call __op_cmp_su
   ld a,1
   jr nz,$+3
   xor a
   or a
   jp z,label006else
                       ; main.pas(44,20):   if l <> 200 then writeln(1) else writeln(0);

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
                       ; main.pas(44,36):   if l <> 200 then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label006end:
                       ; main.pas(45,3):   if m >= s then writeln(1) else writeln(0);
                       ; main.pas(45,6):   if m >= s then writeln(1) else writeln(0);
   push ix
   pop hl
   ld bc,-16
   add hl,bc
   call __getarg4
   call __movbtoa
   push ix
   pop hl
   ld bc,-6
   add hl,bc
   call __getarg1
   call __extsign1
   call __op_cmp_ss
   ld a,1
   jr nc,$+3
   xor a
   or a
   jp z,label007else
                       ; main.pas(45,18):   if m >= s then writeln(1) else writeln(0);

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
                       ; main.pas(45,34):   if m >= s then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label007end:
                       ; main.pas(46,3):   if l = 200 then writeln(1) else writeln(0);
                       ; main.pas(46,6):   if l = 200 then writeln(1) else writeln(0);
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ld hl,200 & 65535
   ld (__reg32b),hl
   ld hl,0
   ld (__reg32b+2),hl
   call __op_cmp_su
   ld a,1
   jr z,$+3
   xor a
   or a
   jp z,label008else
                       ; main.pas(46,19):   if l = 200 then writeln(1) else writeln(0);

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
                       ; main.pas(46,35):   if l = 200 then writeln(1) else writeln(0);

   ld a,0
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   call __write_crl_18
label008end:
                       ; main.pas(47,5):   l := 70000;
   ld hl,70000 & 65535
   ld (__reg32b),hl
   ld hl,1
   ld (__reg32b+2),hl
   call __movbtoa
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __sta4
                       ; main.pas(48,5):   b := byte(l) + 1;
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ;# typecast
   ld a,(__reg32a)
   inc a
   ld (ix+-5),a
                       ; main.pas(49,3):   writeln(b, word(l), byte(l) + 1);

   ld a,(ix+-5)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ;# typecast
   ld hl,(__reg32a)
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   push ix
   pop hl
   ld bc,-12
   add hl,bc
   call __getarg4
   call __movbtoa
   ;# typecast
   ld a,(__reg32a)
   ld l,a
   ld h,0
   inc hl
   ;# typecast
   ld de,0
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
