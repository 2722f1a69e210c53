program typecasts;
{$i system.inc}
var b: byte;
  s: shortint;
  w: word;
  m: smallint;
  l: longint;
  u: longword;
begin
  b := 200;
  s := shortint(b);
  writeln(s);
  w := 65535;
  m := smallint(w);
  writeln(m);
  l := -1;
  u := longword(l);
  writeln(u);
  l := 100000;
  w := word(l);
  writeln(w);
  b := byte(l);
  writeln(b);
  s := -3;
  l := longint(s);
  writeln(l);
  writeln(byte(s), ' ', word(m), ' ', smallint(b));
end.
