program const_untyped;
{$i system.inc}
const
  small = 10;
  big = 70000;
  hex = $FF;
  wordhex = $1234;
  huge = 4000000000;
var l: longword;
  w: word;
  b: byte;
begin
  b := small;
  w := wordhex;
  l := big;
  writeln(b, ' ', w, ' ', l, ' ', hex);
  l := huge;
  writeln(l);
  b := hex - small;
  writeln(b);
  w := small * 100 + 7;
  writeln(w);
  if w > small then writeln('bigger');
  writeln(big div small);
end.
