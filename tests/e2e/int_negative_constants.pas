program int_negative_constants;
{$i system.inc}
{ Unsigned values against negative constants compare by their true values. }
var b: byte;
  w: word;
  u: longword;
  s: shortint;
begin
  b := 200;
  w := 1000;
  u := 70000;
  s := -5;
  writeln(b < -1, ' ', b > -1, ' ', b = -56, ' ', b <> -56);
  writeln(w < -1000, ' ', w >= -1000, ' ', u > -2);
  writeln(s < -1, ' ', s > -6, ' ', s = -5);
  if b > -1 then writeln('b above -1');
end.
