program asm_blocks;
{$i system.inc}
{ expected output worked out by hand }
var n: byte;

procedure stars(count: byte);
begin
  asm
    ld b,(ix+4)
    ld a,42
  stars_loop:
    call __putchar
    djnz stars_loop
  end;
  writeln;
end;

function triple(x: byte): byte;
begin
  asm
    ld a,(ix+4)
    ld b,a
    add a,a
    add a,b
    ld (ix-5),a
  end;
end;

begin
  asm
    ld a,72
    call __putchar
    ld a,105
    call __putchar
    call __putcrlf
  end;
  stars(3);
  stars(7);
  n := triple(14);
  writeln(n);
  asm
  end;
  writeln('after');
end.
