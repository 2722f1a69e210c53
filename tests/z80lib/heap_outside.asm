; heap_outside: giving back an address above the heap's end stops the
; program with run-time error 204.
_main:
   ld hl,4
   call __heap_alloc
   ld hl,(__heapend)
   call __heap_free
   ld a,'?'
   jp __putchar
