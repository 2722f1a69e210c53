program sort_numbers;
{$i system.inc}
const
  seed: array [1..10] of byte = (42, 7, 199, 0, 255, 13, 7, 100, 64, 1);
var v: array [1..10] of smallint;
  i, j: byte;

procedure swap(var x, y: smallint);
var t: smallint;
begin
  t := x;
  x := y;
  y := t;
end;

begin
  for i := 1 to 10 do v[i] := seed[i] - 100;
  for i := 1 to 9 do
    for j := i + 1 to 10 do
      if v[j] < v[i] then swap(v[i], v[j]);
  for i := 1 to 10 do write(v[i], ' ');
  writeln;
end.
