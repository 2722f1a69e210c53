program absolute_var;
{$i system.inc}
{ expected output worked out by hand }
var cell: word absolute $7000;
  low: byte absolute $7000;
  high: byte absolute $7001;
begin
  cell := $1234;
  writeln(low, ' ', high);
  high := 1;
  writeln(cell);
end.
