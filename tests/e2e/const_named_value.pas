program const_named_value;
{$i system.inc}
{ A constant declared as the name of another constant, or of an
  enumeration value, has that constant's value. }
type color = (red, green, blue);
const a = 5;
  bb = a;
  big = 1000;
  cb = big;
  chain = cb;
  cc = blue;
  k: color = green;
var l: longint;
  c: color;
procedure show;
const inner = bb;
  a = 7;
  again = a;
begin
  writeln(inner, ' ', again);
end;
begin
  l := bb;
  writeln(l, ' ', bb + 1);
  l := chain;
  writeln(l, ' ', chain + 1, ' ', cb * 3);
  c := cc;
  if c = blue then writeln('blue');
  c := k;
  if c = green then writeln('green');
  show;
end.
