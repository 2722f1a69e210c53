; stack_check: __stack_check passes while sp stays 128 bytes or more above
; the heap's end (keeping every register), and stops the program with
; run-time error 202 below that.
_main:
   ; sp at the check is the sp here less 8 (call and three pushes)
   ld hl,-8-128
   add hl,sp
   ld (__heapend),hl
   ld a,'o'
   ld bc,1234h
   ld de,5678h
   ld hl,9abch
   call __stack_check
   call __putchar
   ld a,b
   call t_hex8
   ld a,c
   call t_hex8
   ex de,hl
   call t_hex16
   ex de,hl
   call t_hex16
   call t_newline
   ld hl,(__heapend)
   inc hl
   ld (__heapend),hl
   call __stack_check
   ld a,'?'
   jp __putchar
