program cast_narrow_then_wide;
{$i system.inc}
{ Casts down after a widening, and same-size casts of a value that is
  held in fewer bytes than its type: the kept bytes are widened as the
  last cast's type says (a shortint -1 made a longint and then a word is
  65535, a byte 200 made a longint and then a smallint stays 200). }
var s, s2: shortint;
  b: byte;
  l: longint;

procedure show(x: longint);
begin
  writeln(x);
end;

begin
  s := -1;
  s2 := -3;
  b := 200;
  l := word(longint(s));
  writeln(l);
  l := smallint(longint(b));
  writeln(l);
  l := word(smallint(s));
  writeln(l);
  l := word(s and s2);
  writeln(l);
  l := longint(word(shortint(b)));
  writeln(l);
  l := longword(smallint(s));
  writeln(l);
  show(word(longint(s)));
  show(smallint(longint(b)));
  show(word(s or s2));
  if word(longint(s)) > 1000 then writeln('big') else writeln('small');
  l := word(longint(s)) + 1;
  writeln(l);
end.
