program enum_basic;
{$i system.inc}
type
  color = (red, green, blue, white);
var c, d: color;
  n: byte;
begin
  c := red;
  writeln(byte(c));
  c := blue;
  writeln(byte(c));
  d := white;
  writeln(byte(d));
  writeln(c < d, ' ', c = blue, ' ', c > green);
  case c of
    red: writeln('red');
    green: writeln('green');
    blue: writeln('blue');
  else
    writeln('white');
  end;
  n := 0;
  for c := red to white do n := n + byte(c);
  writeln(n);
  if d <> red then writeln('not red');
end.
