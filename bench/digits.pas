{ digits.pas: the sum of the decimal digits of 100 longints, taken apart by
  div and mod 10. }
program digits;
{$i system.inc}
var
  i, n: longint;
  total: word;
begin
  total := 0;
  for i := 1 to 100 do
  begin
    n := i * 20000003;
    while n > 0 do
    begin
      total := total + n mod 10;
      n := n div 10;
    end;
  end;
  writeln(total);
end.
