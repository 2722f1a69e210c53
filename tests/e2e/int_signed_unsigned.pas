program int_signed_unsigned;
{$i system.inc}
var b: byte;
  s: shortint;
  w: word;
  m: smallint;
  l: longint;
  u: longword;
begin
  b := 200;
  s := -1;
  w := 40000;
  m := -1;
  l := -1;
  u := 3000000000;
  writeln(s < b, ' ', b > s, ' ', s = -1);
  writeln(m < w, ' ', w > m);
  writeln(l < u, ' ', u > l, ' ', l < 0);
  writeln(m < 0, ' ', s < 0, ' ', m > -2, ' ', s >= -1);
  if s < b then writeln('shortint below byte');
  if m < w then writeln('smallint below word');
  if l < 5 then writeln('longint below 5');
end.
