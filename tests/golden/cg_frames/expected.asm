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
   parentframe6: defb 0,0,0,0
   parentframe7: defb 0,0,0,0
_reset:
   call _main
   jp $
_main:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
   ld (parentframe4),ix
                       ; main.pas(71,5):   g := 0;
   ld (ix+-5),0
                       ; main.pas(72,3):   p1;
   call p1_20
                       ; main.pas(73,3):   writeln(g);

   ld a,(ix+-5)
   ;# typecast
   ld hl,0
   push hl
   ld l,a
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
p1_20:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
   ld hl,(parentframe7)
   ld (ix+-4),l
   ld (ix+-3),h
   ld (parentframe7),ix
                       ; main.pas(66,6):   v1 := 1;
   ld (ix+-5),1
                       ; main.pas(67,3):   p2;
   call p2_22
   ld c,(ix+-4)
   ld b,(ix+-3)
   ld (parentframe7),bc
   ld sp,ix
   pop ix
   ret
p2_22:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
   ld hl,(parentframe6)
   ld (ix+-4),l
   ld (ix+-3),h
   ld (parentframe6),ix
                       ; main.pas(61,8):     v2 := 2;
   ld (ix+-5),2
                       ; main.pas(62,5):     p3;
   call p3_24
   ld c,(ix+-4)
   ld b,(ix+-3)
   ld (parentframe6),bc
   ld sp,ix
   pop ix
   ret
p3_24:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
   ld hl,(parentframe5)
   ld (ix+-4),l
   ld (ix+-3),h
   ld (parentframe5),ix
                       ; main.pas(56,10):       v3 := 3;
   ld (ix+-5),3
                       ; main.pas(57,7):       p4;
   call p4_26
   ld c,(ix+-4)
   ld b,(ix+-3)
   ld (parentframe5),bc
   ld sp,ix
   pop ix
   ret
p4_26:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
   ld hl,(parentframe3)
   ld (ix+-4),l
   ld (ix+-3),h
   ld (parentframe3),ix
                       ; main.pas(51,12):         v4 := 4;
   ld (ix+-5),4
                       ; main.pas(52,9):         p5;
   call p5_28
   ld c,(ix+-4)
   ld b,(ix+-3)
   ld (parentframe3),bc
   ld sp,ix
   pop ix
   ret
p5_28:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
   ld hl,(parentframe2)
   ld (ix+-4),l
   ld (ix+-3),h
   ld (parentframe2),ix
                       ; main.pas(46,14):           v5 := 5;
   ld (ix+-5),5
                       ; main.pas(47,11):           p6;
   call p6_30
   ld c,(ix+-4)
   ld b,(ix+-3)
   ld (parentframe2),bc
   ld sp,ix
   pop ix
   ret
p6_30:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-8
   add hl,sp
   ld sp,hl
   ld hl,(parentframe1)
   ld (ix+-4),l
   ld (ix+-3),h
   ld (parentframe1),ix
                       ; main.pas(41,16):             v6 := 0;
   ld (ix+-5),0
                       ; main.pas(42,13):             p7;
   call p7_32
   ld c,(ix+-4)
   ld b,(ix+-3)
   ld (parentframe1),bc
   ld sp,ix
   pop ix
   ret
p7_32:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(36,18):               v6 := v5 + v4;
   ld iy,(parentframe2)
   ld a,(iy+-5)
   ld iy,(parentframe3)
   add a,(iy+-5)
   ld iy,(parentframe1)
   ld (iy+-5),a
                       ; main.pas(37,17):               g := v6 + v3 + v2 + v1;
   ld iy,(parentframe1)
   ld a,(iy+-5)
   call __acctorega1
   ld hl,(parentframe5)
   ld bc,-5
   add hl,bc
   call __getarg1
   call __op_add
   ld hl,(parentframe6)
   ld bc,-5
   add hl,bc
   call __getarg1
   call __op_add
   ld hl,(parentframe7)
   ld bc,-5
   add hl,bc
   call __getarg1
   call __op_add
   ld a,(__reg32a+0)
   ld iy,(parentframe4)
   ld (iy+-5),a
   ld sp,ix
   pop ix
   ret
