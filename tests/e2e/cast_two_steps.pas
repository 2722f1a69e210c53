program cast_two_steps;
{$i system.inc}
{ A value cast to a wider type and then to a wider one again is filled
  by each step's own signedness: a shortint -1 made a word is 65535. }
var s: shortint;
  b: byte;
  i: smallint;
  w: word;
  l: longint;
begin
  s := -1;
  b := 200;
  i := -2;
  l := longint(word(s));
  writeln(l);
  l := word(s);
  writeln(l);
  if word(s) < 70000 then writeln(1) else writeln(0);
  writeln(longint(word(s)) + 1);
  l := longint(smallint(s));
  writeln(l);
  l := longint(smallint(b));
  writeln(l);
  l := longint(word(i));
  writeln(l);
  w := word(s);
  writeln(w);
  l := longint(longword(s));
  writeln(l);
end.
