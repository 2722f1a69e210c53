program char_string_mix;
{$i system.inc}
var s, t: string[40];
  c, d: char;
begin
  s := 'hello';
  c := s[1];
  writeln(c);
  d := '!';
  t := s + d;
  writeln(t);
  t := d + s;
  writeln(t);
  t := c + d;
  writeln(t);
  t := c;
  writeln(t, ' ', length(t));
  s[1] := 'j';
  writeln(s);
  s[2] := d;
  writeln(s);
  writeln(s[1] = 'j', ' ', s[3] = 'x', ' ', c < s[1]);
  writeln(t = c, ' ', t = 'h', ' ', c = t);
  writeln(s[5]);
end.
