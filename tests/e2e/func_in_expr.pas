program func_in_expr;
{$i system.inc}
var a: word;
  l: longint;

function sq(x: word): word;
begin
  result := x * x;
end;

function neg(x: longint): longint;
begin
  result := -x;
end;

begin
  a := sq(3) + sq(4);
  writeln(a);
  a := sq(sq(2)) - sq(3);
  writeln(a);
  l := neg(5) * neg(-6);
  writeln(l);
  l := neg(neg(100)) + neg(1);
  writeln(l);
  if sq(5) > 20 then writeln('big');
  writeln(2 * sq(3));
end.
