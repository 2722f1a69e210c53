; Spectrum printing through the ROM: open channel 2 (the upper screen),
; print with RST 10h, including a line end, the characters that differ
; from ASCII, a block graphic, a keyword, swallowed colour parameters, the
; comma and TAB; return to BASIC with the stack as it was.
   ld a,2
   call 1601h             ; CHAN-OPEN
   ld hl,text
next:
   ld a,(hl)
   cp 0ffh
   ret z
   push hl
   rst 10h
   pop hl
   inc hl
   jr next

text:
   defb "Hi",0dh
   defb "^`",7fh,8ah,0dh
   defb 0f5h,"x",0dh      ; PRINT x
   defb 10h,2,"ink",11h,6,0dh
   defb "ab",6,"c",0dh
   defb "a",17h,5,0,"b",0dh
   defb 0ffh
