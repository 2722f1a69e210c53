program bitwise_mixed_sign;
{$i system.inc}
{ and/or/xor of a byte with a signed byte, or with a byte cast to longint,
  widen each operand by its own sign before combining: 162 xor 7 is 165,
  not the -91 of an 8-bit result widened by its sign. }
var b, e: byte;
  s: shortint;
  l: longint;
begin
  b := 162;
  s := 7;
  e := 0;
  writeln(b xor s);
  l := b xor s;
  writeln(l);
  writeln(b or s, ' ', b and s);
  writeln(b xor longint(e));
  writeln(15 - (b xor longint(e)));
  s := -2;
  writeln(b and s, ' ', b or s, ' ', b xor s);
end.
