; CP/M console through the BDOS: function 9 and 2 print, function 10 reads
; a line into a short buffer (a longer line is left for the next read),
; function 1 reads keys until Ctrl-Z; the program ends with a warm boot.
bdos equ 5
   ld sp,(6)              ; own stack below the BDOS
   ld de,greeting
   ld c,9
   call bdos
   ld e,'!'
   ld c,2
   call bdos
   call crlf
   ld de,line
   ld c,10
   call bdos
   ld e,'['
   ld c,2
   call bdos
   ld a,(line+1)          ; count, then the characters
   ld b,a
   ld hl,line+2
show_line:
   ld a,b
   or a
   jr z,line_shown
   push bc
   push hl
   ld e,(hl)
   ld c,2
   call bdos
   pop hl
   pop bc
   inc hl
   dec b
   jr show_line
line_shown:
   ld e,']'
   ld c,2
   call bdos
keys:
   ld c,1
   call bdos
   cp 1ah
   jr z,keys_done
   cp 0dh
   jr nz,show_key
   ld a,'|'
show_key:
   ld e,a
   ld c,2
   call bdos
   jr keys
keys_done:
   call crlf
   jp 0

crlf:
   ld de,line_end
   ld c,9
   jp bdos

greeting:  defb "Hello, CP/M$"
line_end:  defb 13,10,"$"
line:      defb 3,0,0,0,0
