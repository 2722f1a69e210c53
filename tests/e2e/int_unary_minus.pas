program int_unary_minus;
{$i system.inc}
var s: shortint;
  m: smallint;
  l: longint;
  b: byte;
begin
  s := -5;
  m := -300;
  l := -70000;
  writeln(s, ' ', m, ' ', l);
  s := -s;
  m := -m;
  l := -l;
  writeln(s, ' ', m, ' ', l);
  b := 10;
  l := -b;
  writeln(l);
  m := -(m + 1);
  writeln(m);
  l := 5 - -3;
  writeln(l);
  writeln(-7, ' ', -s, ' ', -l);
end.
