program int_neg_unsigned;
{$i system.inc}
{ Unary minus of an unsigned value gives a signed value wide enough for
  the result, alone and inside sums; assigned back to a variable of the
  operand's size it wraps as that type does. }
var a, b: word;
  x: byte;
  r: longint;
  i: smallint;
begin
  a := 7;
  b := 3;
  r := -a + b;
  writeln(r);
  x := 200;
  writeln(-x, ' ', -x + 50, ' ', -a - b);
  i := -x;
  writeln(i);
  a := 60000;
  r := -a;
  writeln(r);
  if -x < 0 then writeln('negative');
  x := -x;
  writeln(x);
  b := -b;
  writeln(b);
end.
