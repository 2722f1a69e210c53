; moves: the routines that fill, extend, read and store the working
; registers, and the argument slots of __pusharg / __popb.
; Each check prints one line: what was done, " > ", the result.
_main:
   call t_fill
   ld a,0f3h
   call __acctorega1
   ld hl,m_acctorega1
   call m_show_a

   call t_fill
   ld a,0f3h
   call __acctorega1s
   ld hl,m_acctorega1s
   call m_show_a
   ld a,73h
   call __acctorega1s
   ld hl,m_acctorega1s
   call m_show_a

   call t_fill
   ld a,80h
   ld (__reg32a),a
   call __extsigna1
   ld hl,m_extsigna1
   call m_show_a

   call t_fill
   ld hl,8001h
   ld (__reg32a),hl
   call __extsigna2
   ld hl,m_extsigna2
   call m_show_a
   ld hl,7fffh
   ld (__reg32a),hl
   call __extsigna2
   ld hl,m_extsigna2
   call m_show_a

   call t_fill
   ld hl,0fedch
   ld (__reg32a),hl
   call __reg32a_clr2
   ld hl,m_reg32a_clr2
   call m_show_a

   call t_fill
   ld a,0ffh
   call __acctoregb1
   ld hl,m_acctoregb1
   call m_show_b

   call t_fill
   ld hl,m_data
   call __getarg1
   ld hl,m_getarg1
   call m_show_b

   call t_fill
   ld hl,m_data
   call __getarg2
   ld hl,m_getarg2
   call m_show_b

   call t_fill
   ld hl,m_data
   call __getarg4
   ld hl,m_getarg4
   call m_show_b

   call t_fill
   ld a,0ffh
   ld (__reg32b),a
   call __extsign1
   ld hl,m_extsign1
   call m_show_b
   ld a,7fh
   ld (__reg32b),a
   call __extsign1
   ld hl,m_extsign1
   call m_show_b

   call t_fill
   ld hl,8000h
   ld (__reg32b),hl
   call __extsign2
   ld hl,m_extsign2
   call m_show_b
   ld hl,1234h
   ld (__reg32b),hl
   call __extsign2
   ld hl,m_extsign2
   call m_show_b

   call t_fill
   call __movbtoa
   ld hl,m_movbtoa
   call m_show_a

   call t_fill
   ld hl,m_data+2
   ld (__reg32a),hl
   call __read1
   ld hl,m_read1
   call m_show_a

   call t_fill
   ld hl,m_store
   call __sta4
   ld hl,m_sta4
   call __putstr
   call t_arrow
   ld hl,m_store
   call t_hex32
   ld a,(m_store+4)
   call t_hex8
   call t_newline

   ; two slots pushed, popped in reverse; the stack must end where it began
   call t_fill
   ld (m_sp),sp
   call __pusharg
   ld hl,0a1b2h
   ld (__reg32a),hl
   ld hl,0c3d4h
   ld (__reg32a+2),hl
   call __pusharg
   pop hl
   pop de
   push de
   push hl
   ld hl,m_slot
   call __putstr
   call t_arrow
   ex de,hl
   call t_hex16
   pop hl
   push hl
   call t_hex16
   call t_newline
   call __popb
   ld hl,m_popb
   call m_show_b
   call __popb
   ld hl,m_popb
   call m_show_b
   ld hl,0
   add hl,sp
   ld de,(m_sp)
   or a
   sbc hl,de
   ld hl,m_balanced
   jr z,m_sp_ok
   ld hl,m_unbalanced
m_sp_ok:
   call __putstr
   call t_newline
   ret

; t_fill: put recognisable junk into both working registers
t_fill:
   ld hl,5566h
   ld (__reg32a),hl
   ld hl,7788h
   ld (__reg32a+2),hl
   ld hl,1122h
   ld (__reg32b),hl
   ld hl,3344h
   ld (__reg32b+2),hl
   ret

; m_show_a / m_show_b: print the name at hl, " > " and a working register
m_show_a:
   call __putstr
   call t_arrow
   ld hl,__reg32a
   call t_hex32
   jp t_newline
m_show_b:
   call __putstr
   call t_arrow
   ld hl,__reg32b
   call t_hex32
   jp t_newline

m_data:
   defb 0fah,0fbh,0fch,0fdh,0feh
m_store:
   defb 0,0,0,0,0eeh
m_sp:
   defw 0
m_acctorega1:
   defb 15,"__acctorega1 f3"
m_acctorega1s:
   defb 15,"__acctorega1s a"
m_extsigna1:
   defb 11,"__extsigna1"
m_extsigna2:
   defb 11,"__extsigna2"
m_reg32a_clr2:
   defb 13,"__reg32a_clr2"
m_acctoregb1:
   defb 15,"__acctoregb1 ff"
m_getarg1:
   defb 9,"__getarg1"
m_getarg2:
   defb 9,"__getarg2"
m_getarg4:
   defb 9,"__getarg4"
m_extsign1:
   defb 10,"__extsign1"
m_extsign2:
   defb 10,"__extsign2"
m_movbtoa:
   defb 9,"__movbtoa"
m_read1:
   defb 7,"__read1"
m_sta4:
   defb 6,"__sta4"
m_slot:
   defb 23,"__pusharg slot high,low"
m_popb:
   defb 6,"__popb"
m_balanced:
   defb 14,"stack balanced"
m_unbalanced:
   defb 16,"stack unbalanced"
