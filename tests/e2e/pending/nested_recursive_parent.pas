program nested_recursive_parent;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  A nested procedure reaches its parent's variables through the frame of
  the parent's latest activation, also after that activation has returned:
  after the recursion it reads a dead frame (0 0 135 135). }

procedure p(n: byte);
var x: byte;

  procedure q;
  begin
    write(x, ' ');
  end;

begin
  x := n;
  if n > 0 then p(n - 1);
  q;
end;

begin
  p(3);
  writeln;
end.
