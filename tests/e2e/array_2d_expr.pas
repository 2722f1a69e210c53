program array_2d_expr;
{$i system.inc}
var m: array [1..4, 1..4] of longint;
  i, j: byte;
begin
  for i := 1 to 4 do
    for j := 1 to 4 do
      m[i, j] := 0;
  for i := 1 to 4 do m[i, i] := i;
  for i := 1 to 3 do m[i, i + 1] := -1;
  for i := 1 to 4 do
  begin
    for j := 1 to 4 do write(m[i, j], ' ');
    writeln;
  end;
  i := 2;
  j := 3;
  writeln(m[i + 1, j + 1] + m[i - 1, j - 1]);
end.
