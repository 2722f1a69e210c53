program int_expressions;
{$i system.inc}
var a, b, c: word;
  r: longint;
begin
  a := 7;
  b := 3;
  c := 100;
  r := a * b + c;
  writeln(r);
  r := c - a * b;
  writeln(r);
  r := (c - a) * b;
  writeln(r);
  r := c div (a - b);
  writeln(r);
  r := c mod a + c div a;
  writeln(r);
  r := (a + b) * (a - b) * (c + 1);
  writeln(r);
  r := a - b - 1;
  writeln(r);
  r := c - (a - b);
  writeln(r);
  r := ((a shl 4) or b) and 255;
  writeln(r);
  r := b - a;
  writeln(r);
  r := -(a * b);
  writeln(r);
  writeln(a * b, ' ', a - c, ' ', c div b);
end.
