program stmt_for_downto;
{$i system.inc}
var i: byte;
  s: smallint;
  n: byte;
begin
  for i := 5 downto 1 do write(i, ' ');
  writeln;
  n := 0;
  for i := 1 downto 2 do n := n + 1;
  writeln('empty loop ran ', n, ' times');
  for s := 2 downto -2 do write(s, ' ');
  writeln;
  n := 0;
  for i := 3 downto 0 do n := n + 10;
  writeln('down to 0: ', n);
end.
