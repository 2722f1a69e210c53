program pointer_array;
{$i system.inc}
type
  row = array [1..5] of word;
  prow = ^row;
var r: row;
  p: prow;
  i: byte;
  sum: word;
begin
  p := @r;
  for i := 1 to 5 do p^[i] := i * 111;
  sum := 0;
  for i := 1 to 5 do sum := sum + r[i];
  writeln(sum, ' ', p^[3]);
  new(p);
  p^[1] := 9;
  p^[5] := p^[1] * 3;
  writeln(p^[1] + p^[5]);
end.
