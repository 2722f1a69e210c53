begin
  asm
    ld a,1
    nop
