program func_call_statement;
{$i system.inc}
var n: byte;

function bump: byte;
begin
  n := n + 1;
  result := n;
end;

begin
  n := 0;
  bump;
  bump;
  writeln(n);
end.
