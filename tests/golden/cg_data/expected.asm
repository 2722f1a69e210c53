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
label001:
   defb 4
   defb 100
   defb 97
   defb 116
   defb 97
   defb 0
primes_21:
   defb 2
   defb 3
   defb 5
   defb 7
   defb 11
limit_28:
_main:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-12
   add hl,sp
   ld sp,hl
                       ; main.pas(31,3):   writeln('data');

   ld hl,label001
   ld de,0
   push de
   push hl
   call __write_19
   call __write_crl_20
                       ; main.pas(32,3):   for i := 0 to 4 do
                       ; main.pas(32,12):   for i := 0 to 4 do
   ld (ix+-5),0
                       ; main.pas(32,17):   for i := 0 to 4 do
   ld (ix+-9),4
   ld a,(ix+-5)
   cp (ix+-9)
   jr c,$+7
   jr z,$+5
   jp label002end
   jp label002first
label002loop:
   inc (ix+-5)
label002first:
                       ; main.pas(33,5):     write(classify(i));

   ld a,(ix+-5)
   ld hl,0
   push hl
   ld l,a
   push hl
   call classify_27
   ;# typecast
   call __pusharg
   call __write_17
   ld a,(ix+-5)
   cp (ix+-9)
   jp nz,label002loop
label002end:
                       ; main.pas(34,3):   writeln(classify(11));

   ld a,11
   ld hl,0
   push hl
   ld l,a
   push hl
   call classify_27
   ;# typecast
   call __pusharg
   call __write_17
   call __write_crl_20
                       ; main.pas(35,5):   n := 0;
   ld (ix+-6),0
                       ; main.pas(36,5):   w := 0;
   ld a,0
   ld e,a
   ld d,0
   ld (ix+-8),e
   ld (ix+-7),d
                       ; main.pas(37,3):   while n < 5 do
label003:
                       ; main.pas(37,9):   while n < 5 do
   ld a,(ix+-6)
   cp 5
   jp nc,label003end
                       ; main.pas(39,7):     w := w + primes[n];
   ld a,(ix+-6)
   ld hl,0
   push hl
   ld l,a
   push hl
   ld hl,primes_21
   ;sub/add 16
   pop de
   pop bc
   add hl,de
   ld a,(hl)
   ;sub/add 16
   ld l,a
   ld h,0
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
   ld (ix+-8),e
   ld (ix+-7),d
                       ; main.pas(40,7):     n := n + 1;
   inc (ix+-6)
   jp label003
label003end:
                       ; main.pas(42,3):   writeln(w);

   ld e,(ix+-8)
   ld d,(ix+-7)
   ex de,hl
   ;# typecast
   ld de,0
   push de
   push hl
   call __write_17
   call __write_crl_20
                       ; main.pas(43,3):   repeat
label004:
                       ; main.pas(44,7):     n := n - 1;
   dec (ix+-6)
                       ; main.pas(45,9):   until n = 0;
   ld a,(ix+-6)
   cp 0
   jp nz,label004
                       ; main.pas(46,3):   for i := 3 downto 1 do
                       ; main.pas(46,12):   for i := 3 downto 1 do
   ld (ix+-5),3
                       ; main.pas(46,21):   for i := 3 downto 1 do
   ld (ix+-10),1
   ld a,(ix+-5)
   cp (ix+-10)
   jp c,label005end
   jp label005first
label005loop:
   dec (ix+-5)
label005first:
                       ; main.pas(47,5):     write(i);

   ld a,(ix+-5)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
   push hl
   call __write_17
   ld a,(ix+-5)
   cp (ix+-10)
   jp nz,label005loop
label005end:
                       ; main.pas(48,3):   writeln;

   call __write_crl_20
                       ; main.pas(49,3):   asm
       ld a,7
  skip:
       jr skip2
  skip2:
       ld (__reg32a),a
                       ; main.pas(57,3):   writeln(not 0, -n);

   ld a,0
   call __acctorega1
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
   ;# typecast
   call __pusharg
   call __write_17
   ld a,(ix+-6)
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
   ;# typecast
   call __pusharg
   call __write_17
   call __write_crl_20
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
                       ; io.inc(5,3):   asm
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
__write_19:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; io.inc(20,3):   asm
       ld l,(ix+4)
       ld h,(ix+5)
       call __putstr
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
__write_crl_20:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; io.inc(29,3):   asm
       call __putcrlf
   ld sp,ix
   pop ix
   ret
classify_27:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
                       ; main.pas(19,3):   case v of
                       ; main.pas(19,8):   case v of
   ld a,(ix+4)
   ld (ix+-6),a
   ld a,0
   cp (ix+-6)
   jp z,label006_1
   ld a,1
   cp (ix+-6)
   jp z,label006_2
   ld a,2
   cp (ix+-6)
   jp z,label006_2
   ld a,3
   cp (ix+-6)
   jp z,label006_3
   jp label006_else
label006_1:
                       ; main.pas(20,15):     0: result := 100;
   ld (ix+-5),100
   jp label006_end
label006_2:
                       ; main.pas(21,18):     1, 2: result := 101;
   ld (ix+-5),101
   jp label006_end
label006_3:
                       ; main.pas(22,15):     3: result := 102;
   ld (ix+-5),102
   jp label006_end
label006_else:
                       ; main.pas(24,12):     result := 103;
   ld (ix+-5),103
label006_end:
                       ; main.pas(26,3):   if v > limit then
                       ; main.pas(26,6):   if v > limit then
   ld a,(ix+4)
   cp 10
   jr z,$+4
   jr nc,$+5
   jp label007end
                       ; main.pas(27,12):     result := 0;
   ld (ix+-5),0
label007end:
   push ix
   pop hl
   ld bc,-5
   add hl,bc
   call __getarg1
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
