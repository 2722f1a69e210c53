program array_2d;
{$i system.inc}
var g: array [1..3, 2..5] of byte;
  w: array [0..2, 0..2] of word;
  i, j: byte;
  total: word;
begin
  for i := 1 to 3 do
    for j := 2 to 5 do
      g[i, j] := i * 10 + j;
  for i := 1 to 3 do
  begin
    for j := 2 to 5 do write(g[i, j], ' ');
    writeln;
  end;
  writeln(g[1, 2], ' ', g[3, 5], ' ', g[2, 3]);
  total := 0;
  for i := 0 to 2 do
    for j := 0 to 2 do
    begin
      w[i, j] := i * 300 + j;
      total := total + w[i, j];
    end;
  writeln(total);
  writeln(w[2, 2], ' ', w[1, 0]);
  g[2, 4] := g[1, 5] + g[3, 2];
  writeln(g[2, 4]);
end.
