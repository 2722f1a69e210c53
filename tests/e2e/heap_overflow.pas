program heap_overflow;
{$i system.inc}
{ expected output worked out by hand }
{ Requests that never come back fill the heap; the program stops with
  run-time error 203 instead of going on with nil. }
type
  pblock = ^block;
  block = array[1..1000] of byte;
var
  p: pblock;
  n: word;
begin
  writeln('filling');
  n := 0;
  while n < 100 do
  begin
    new(p);
    p^[1] := 1;
    n := n + 1;
    write('.');
  end;
  writeln('not reached');
end.
