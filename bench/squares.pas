{ squares.pas: the sum of i * i for the longint i from 1 to 2000. }
program squares;
{$i system.inc}
var
  i: longint;
  sum: longword;
begin
  sum := 0;
  for i := 1 to 2000 do
    sum := sum + i * i;
  writeln(sum);
end.
