program stmt_for_to;
{$i system.inc}
var i: byte;
  j: word;
  k: longint;
  n: byte;
  total: word;
begin
  for i := 1 to 5 do write(i, ' ');
  writeln;
  n := 0;
  for i := 3 to 2 do n := n + 1;
  writeln('empty loop ran ', n, ' times');
  for i := 7 to 7 do writeln('single pass i=', i);
  total := 0;
  for j := 250 to 260 do total := total + j;
  writeln(total);
  for k := -3 to 2 do write(k, ' ');
  writeln;
  n := 0;
  for i := 250 to 255 do n := n + 1;
  writeln('to 255: ', n);
  n := 4;
  for i := 1 to n * 2 do write(i);
  writeln;
end.
