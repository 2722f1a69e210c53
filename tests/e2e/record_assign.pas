program record_assign;
{$i system.inc}
type
  big = record
    a: longint;
    b: word;
    c: char;
  end;
var x, y: big;
begin
  x.a := 100000;
  x.b := 2;
  x.c := 'k';
  y := x;
  writeln(y.a, ' ', y.b, ' ', y.c);
end.
