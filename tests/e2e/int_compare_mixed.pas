program int_compare_mixed;
{$i system.inc}
var b: byte;
  w: word;
  s: shortint;
  m: smallint;
  l: longint;
  u: longword;
begin
  b := 5;
  w := 261;
  writeln(b = w, ' ', b < w, ' ', w > b, ' ', b <> w);
  w := 5;
  writeln(b = w, ' ', b <= w, ' ', w >= b);
  s := -1;
  m := 255;
  writeln(s < m, ' ', m > s, ' ', s = m);
  l := 65541;
  writeln(b = l, ' ', w < l, ' ', l > m);
  u := 5;
  writeln(u = b, ' ', b = u, ' ', u <= w);
  if b < w + 1 then writeln('b below w+1');
  if w = b then writeln('w equals b');
end.
