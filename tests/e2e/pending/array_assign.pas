program array_assign;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  assigning a whole array (b := a) is refused with "unknown combination
  of types for operator (6,6)". }
type
  vec = array [1..6] of word;
  grid = array [0..2, 0..2] of byte;
var a, b: vec;
  g, h: grid;
  i, j: byte;
begin
  for i := 1 to 6 do a[i] := i * 1000;
  b := a;
  a[1] := 7;
  for i := 1 to 6 do write(b[i], ' ');
  writeln;
  writeln(a[1], ' ', b[1]);
  for i := 0 to 2 do
    for j := 0 to 2 do
      g[i, j] := i * 3 + j;
  h := g;
  g[2, 2] := 0;
  writeln(h[2, 2], ' ', h[1, 0], ' ', g[2, 2]);
end.
