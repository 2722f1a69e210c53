program statements;

{ Every statement form: assignment, call, compound, if, while, repeat,
  for up and down, case with else, and an asm block.
  It writes nothing (it includes no run-time): what it shows is in the
  .asm file.  It runs to its end on the Z80 all the same.

  Output:
}
type
  color = (red, green, blue);

var
  i, j, k: byte;
  c: color;
  flag: boolean;
  grid: array [1..3, 1..3] of byte;

procedure clear(var b: byte);
begin
  b := 0;
end;

begin
  i := 0;
  j := 2 * (i + 3) - 1;
  clear(k);
  begin
    i := i + 1;
    begin
      j := j div 2;
    end;
  end;
  if i = 1 then
    k := 1
  else
    k := 2;
  flag := (i > 0) and not (j = 0);
  if flag then
    i := 0;
  while i < 10 do
    i := i + 1;
  repeat
    i := i - 1;
    j := j xor 1;
  until i = 0;
  for i := 1 to 3 do
    for j := 3 downto 1 do
      grid[i, j] := i * j;
  c := green;
  case c of
    red: k := 1;
    green, blue: k := 2;
  else
    k := 0;
  end;
  asm
    ld a,(ix+0)
    nop
  end;
  k := k shl 1 or k shr 1 mod 3;
end.
