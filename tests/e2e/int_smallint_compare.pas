program int_smallint_compare;
{$i system.inc}
var a, b, c, d: smallint;
  n: word;

procedure show(x, y: smallint);
begin
  write(x < y, ' ', x <= y, ' ', x > y, ' ');
  writeln(x >= y, ' ', x = y, ' ', x <> y);
end;

begin
  a := -30000;
  b := 123;
  c := -7;
  show(a, b);
  show(b, a);
  show(a, a);
  show(b, c);
  show(c, c);
  writeln(a < 5, ' ', a > 5, ' ', b = 123, ' ', b <> 0);
  if a < b then write('L') else write('-');
  if a <= b then write('LE') else write('-');
  if a > b then write('G') else write('-');
  if a >= b then write('GE') else write('-');
  if a = b then write('E') else write('-');
  if a <> b then write('NE') else write('-');
  writeln;
  d := c + 10;
  n := 0;
  while c < d do
  begin
    c := c + 1;
    n := n + 1;
  end;
  writeln('steps ', n);
end.
