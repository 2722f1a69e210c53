; heap_bad_pointer: a block given back twice stops the program with
; run-time error 204 (an address outside the heap does too, see
; heap_outside); the first give-back is fine.
_main:
   ld hl,4
   call __heap_alloc
   push hl
   call __heap_free
   ld a,'1'
   call __putchar
   call t_newline
   pop hl
   call __heap_free
   ld a,'?'
   jp __putchar
