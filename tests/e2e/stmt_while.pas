program stmt_while;
{$i system.inc}
var i, n: word;
  sum: longword;
begin
  i := 0;
  sum := 0;
  while i < 100 do
  begin
    i := i + 1;
    sum := sum + i;
  end;
  writeln(i, ' ', sum);
  n := 0;
  while n > 0 do
    n := n - 1;
  writeln('never ran: ', n);
  n := 1000;
  i := 0;
  while n <> 1 do
  begin
    if n mod 2 = 0 then n := n div 2 else n := 3 * n + 1;
    i := i + 1;
  end;
  writeln('collatz steps: ', i);
end.
