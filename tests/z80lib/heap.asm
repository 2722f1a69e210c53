; heap: blocks come one after another from 0100h, and a request that would
; come within 256 bytes of the stack, or wrap past 0FFFFh, gets 0.
_main:
   ld hl,10
   call h_alloc
   ld hl,1
   call h_alloc
   ld hl,0
   call h_alloc
   ld hl,300
   call h_alloc
   ; past 0FFFFh, and into the stack
   ld hl,0fff0h
   call h_alloc
   ld hl,8000h
   call h_alloc
   ; failed requests take nothing
   ld hl,2
   call h_alloc
   ; the largest block that fits: __heap_alloc runs 8 bytes below
   ; the sp of the calls below (a pushed word, two calls and its own push)
   ; and keeps 256 more free
   ld hl,(__heapptr)
   ex de,hl
   ld hl,-8-256
   add hl,sp
   or a
   sbc hl,de
   push hl
   inc hl
   call h_alloc
   pop hl
   push hl
   call h_alloc
   pop hl
   ; with nothing pushed here there are 2 bytes more room, not 3
   ld hl,3
   call h_alloc
   ret

; h_alloc: request hl bytes and print "size > address"
h_alloc:
   push hl
   call t_hex16
   call t_arrow
   pop hl
   call __heap_alloc
   call t_hex16
   jp t_newline
