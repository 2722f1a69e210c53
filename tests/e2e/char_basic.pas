program char_basic;
{$i system.inc}
var c, d: char;
  b: byte;
begin
  c := 'A';
  d := c;
  writeln(c, d);
  b := byte(c);
  writeln(b);
  b := b + 2;
  c := char(b);
  writeln(c);
  writeln(c = 'C', ' ', c = d, ' ', c <> d);
  writeln(c > d, ' ', c < d, ' ', d <= 'A', ' ', d >= 'B');
  for c := 'a' to 'e' do write(c);
  writeln;
  d := 'z';
  if d = 'z' then writeln('zed');
  write('x');
  write(' ');
  writeln('y');
end.
