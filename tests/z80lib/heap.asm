; heap: blocks come from 0100h upward, each after a 2-byte size header (at
; least 4 bytes in all); blocks given back are reused first fit, split at
; their high end, and merge with free neighbours.  After every step the
; test prints the heap's end and the free list (address:size).
_main:
   ld hl,10
   call h_alloc
   ld hl,1
   call h_alloc
   ld hl,0
   call h_alloc
   ld hl,300
   call h_alloc
   ; a freed block of the right size is taken whole
   ld hl,010eh
   call h_free
   ld hl,2
   call h_alloc
   ; three neighbours given back in the order low, high, middle merge
   ld hl,0102h
   call h_free
   ld hl,0112h
   call h_free
   ld hl,010eh
   call h_free
   ; first fit splits off the high end; a rest under 4 bytes goes along
   ld hl,5
   call h_alloc
   ld hl,11
   call h_alloc
   ; nothing fits any more: new room; nil is given back as nothing
   ld hl,1
   call h_alloc
   ld hl,0
   call h_free
   ; a block below the first free one merges with its upper neighbour
   ld hl,0102h
   call h_free
   ld hl,0244h
   call h_free
   ld hl,010fh
   call h_free
   ; the largest block that fits: __heap_alloc adds its 2-byte header and
   ; looks from 8 bytes below the sp of the calls below (a pushed word,
   ; two calls and its own push), keeping 256 more free
   ld hl,(__heapend)
   ex de,hl
   ld hl,-8-256-2
   add hl,sp
   or a
   sbc hl,de
   push hl
   call h_alloc
   pop hl
   ret

; h_alloc: request hl bytes and print "size > address"
h_alloc:
   push hl
   call t_hex16
   call t_arrow
   pop hl
   call __heap_alloc
   call t_hex16
   call t_newline
   jp h_show

; h_free: give back the block at hl and print "free address"
h_free:
   push hl
   ld a,'f'
   call __putchar
   call t_space
   pop hl
   push hl
   call t_hex16
   call t_newline
   pop hl
   call __heap_free
   ; falls into h_show

; h_show: print "  end E, free A:S A:S ..."
h_show:
   call t_space
   call t_space
   ld hl,(__heapend)
   call t_hex16
   ld hl,(__freelist)
h_show_next:
   ld a,h
   or l
   jp z,t_newline
   call t_space
   call t_hex16
   ld a,':'
   call __putchar
   ld e,(hl)
   inc hl
   ld d,(hl)
   inc hl
   ex de,hl
   call t_hex16
   ex de,hl
   ld a,(hl)
   inc hl
   ld h,(hl)
   ld l,a
   jr h_show_next
