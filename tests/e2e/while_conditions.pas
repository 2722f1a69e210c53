program while_conditions;
{$i system.inc}
var i, j: word;
  found: boolean;
  a: array [1..8] of word;
begin
  for i := 1 to 8 do a[i] := i * i;
  i := 1;
  found := false;
  while (i <= 8) and not found do
  begin
    if a[i] > 20 then found := true else i := i + 1;
  end;
  writeln(i, ' ', a[i], ' ', found);
  i := 0;
  j := 100;
  while (i < j) and ((j - i) > 10) do
  begin
    i := i + 7;
    j := j - 3;
  end;
  writeln(i, ' ', j);
  repeat
    j := j - 1;
  until (j = 0) or (j mod 13 = 0);
  writeln(j);
end.
