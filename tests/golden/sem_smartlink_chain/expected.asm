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
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(19,3):   f1;
   call f1_30
   ld sp,ix
   pop ix
   ret
f15_16:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
   ld sp,ix
   pop ix
   ret
f14_17:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(3,22): procedure f14; begin f15; end;
   call f15_16
   ld sp,ix
   pop ix
   ret
f13_18:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(4,22): procedure f13; begin f14; end;
   call f14_17
   ld sp,ix
   pop ix
   ret
f12_19:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(5,22): procedure f12; begin f13; end;
   call f13_18
   ld sp,ix
   pop ix
   ret
f11_20:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(6,22): procedure f11; begin f12; end;
   call f12_19
   ld sp,ix
   pop ix
   ret
f10_21:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(7,22): procedure f10; begin f11; end;
   call f11_20
   ld sp,ix
   pop ix
   ret
f9_22:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(8,21): procedure f9; begin f10; end;
   call f10_21
   ld sp,ix
   pop ix
   ret
f8_23:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(9,21): procedure f8; begin f9; end;
   call f9_22
   ld sp,ix
   pop ix
   ret
f7_24:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(10,21): procedure f7; begin f8; end;
   call f8_23
   ld sp,ix
   pop ix
   ret
f6_25:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(11,21): procedure f6; begin f7; end;
   call f7_24
   ld sp,ix
   pop ix
   ret
f5_26:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(12,21): procedure f5; begin f6; end;
   call f6_25
   ld sp,ix
   pop ix
   ret
f4_27:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(13,21): procedure f4; begin f5; end;
   call f5_26
   ld sp,ix
   pop ix
   ret
f3_28:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(14,21): procedure f3; begin f4; end;
   call f4_27
   ld sp,ix
   pop ix
   ret
f2_29:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(15,21): procedure f2; begin f3; end;
   call f3_28
   ld sp,ix
   pop ix
   ret
f1_30:
   push ix
   ld ix,0
   add ix,sp
   ld hl,-4
   add hl,sp
   ld sp,hl
                       ; main.pas(16,21): procedure f1; begin f2; end;
   call f2_29
   ld sp,ix
   pop ix
   ret
