; heap_full: a request that does not fit between the heap and the stack
; stops the program with run-time error 203, on a line of its own.
_main:
   ld a,'x'
   call __putchar
   ld hl,7e00h
   call __heap_alloc
   ld a,'?'
   jp __putchar
