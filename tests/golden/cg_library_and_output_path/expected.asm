;;; first line
   org 08000h
   ld sp,07fffh
   jp _reset
   ; a library of three kinds of lines
__reg32a:
      defb 0,0,0,0

   __reg32b: defb 0,0,0,0
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
   ld hl,-8
   add hl,sp
   ld sp,hl
                       ; src/prog.pas(8,5):   b := 1;
   ld (ix+-5),1
   ld sp,ix
   pop ix
   ret
