program divzero_longint;
{$i system.inc}
{ Four-byte division by zero, signed and unsigned, stops the program with
  run-time error 200; the first one reached ends it. }
var
  l, m: longint;
  w, z: longword;
  i: byte;
begin
  l := -100000;
  w := 4000000000;
  z := 1;
  for i := 3 downto 0 do
  begin
    m := i;
    writeln(l div m, ' ', w mod (z + i));
  end;
  writeln('not reached');
end.
