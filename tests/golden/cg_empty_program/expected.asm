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
   ld sp,ix
   pop ix
   ret
