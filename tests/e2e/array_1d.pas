program array_1d;
{$i system.inc}
var a: array [5..9] of word;
  b: array [0..3] of byte;
  i: byte;
  sum: longword;
begin
  for i := 5 to 9 do a[i] := i * 1000;
  sum := 0;
  for i := 5 to 9 do sum := sum + a[i];
  writeln(sum);
  writeln(a[5], ' ', a[9]);
  a[7] := a[6] + a[8];
  writeln(a[7]);
  for i := 0 to 3 do b[i] := 10 + i;
  writeln(b[0], ' ', b[1], ' ', b[2], ' ', b[3]);
  b[b[0] - 8] := 99;
  writeln(b[2]);
  i := 1;
  b[i + 2] := b[i] * 2;
  writeln(b[3]);
end.
