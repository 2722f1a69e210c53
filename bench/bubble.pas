{ bubble.pas: bubble sort of 300 words filled by a linear congruential
  generator, then a checksum that depends on the order. }
program bubble;
{$i system.inc}
const
  last = 299;
var
  a: array [0..last] of word;
  i, j, t, x, check: word;
begin
  x := 1;
  for i := 0 to last do
  begin
    x := x * 25173 + 13849;
    a[i] := x;
  end;
  for i := last downto 1 do
    for j := 0 to i - 1 do
      if a[j] > a[j + 1] then
      begin
        t := a[j];
        a[j] := a[j + 1];
        a[j + 1] := t;
      end;
  check := 0;
  for i := 0 to last do
    check := check * 31 + a[i];
  writeln(check);
end.
