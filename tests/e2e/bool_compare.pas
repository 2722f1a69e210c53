program bool_compare;
{$i system.inc}
var a, b: boolean;
  n: byte;
begin
  a := false;
  b := true;
  writeln(a < b, ' ', a <= b, ' ', a > b, ' ', a >= b);
  writeln(b < a, ' ', b <= a, ' ', b > a, ' ', b >= a);
  writeln(a = a, ' ', a <> a, ' ', b = b);
  n := 0;
  repeat
    n := n + 1;
    a := n >= 3;
  until a;
  writeln(n);
end.
