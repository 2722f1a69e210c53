program int_signed_mul_print;
{$i system.inc}
var s, t: shortint;
  l: longint;
begin
  s := -5;
  t := 3;
  l := s * t;
  writeln(l);
  writeln(s * t);
end.
