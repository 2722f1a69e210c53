program bitwise_mixed_sign;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  an and/or/xor of a byte and a signed byte (or of a byte and a cast to
  longint) is done in register a and widened by the sign of the 8-bit
  result: 162 xor 7 gives -91 instead of 165. }
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
