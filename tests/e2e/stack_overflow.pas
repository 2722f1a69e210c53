program stack_overflow;
{$i system.inc}
{$s+}
{ expected output worked out by hand }
{ With {$s+} every subroutine entry checks the stack: recursion within
  bounds runs as without the check, a runaway one stops the program with
  run-time error 202 instead of running over the heap.  The heap block
  taken first must come out unharmed up to the stop. }
type
  pword = ^word;
var
  p: pword;
  deepest: word;

function depth(n: word): word;
var pad: array[1..20] of byte;
begin
  pad[1] := n;
  if n = 0 then
    result := 0
  else
    result := depth(n - 1) + pad[1] - n + 1;
end;

procedure forever(n: word);
begin
  deepest := n;
  if p^ <> 12345 then
    writeln('heap overwritten');
  forever(n + 1);
end;

begin
  new(p);
  p^ := 12345;
  writeln(depth(200));
  forever(1);
end.
