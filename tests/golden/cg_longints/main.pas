program longints;

{ The general translation through __reg32a and __reg32b: every two-operand
  routine, division and modulo signed and unsigned, not, negation, casts
  that widen and casts that keep only the low bytes,
  the four comparison routines, and the 32-bit pattern rules. }
{$i io.inc}

var
  l, m: longint;
  u: longword;
  b: byte;
  s: shortint;
  f: boolean;

begin
  l := 100000;
  m := -7;
  u := 4000000000;
  b := 200;
  s := -3;
  writeln(l + m, l - m, l * m);
  writeln(l and 65535, l or 3, l xor m);
  writeln(l shl 2, l shr 3);
  writeln(l div m, l mod m, l div 7, l mod 7);
  writeln(u div 3, u mod 7);
  writeln(not l, -l);
  l := l * 10;
  writeln(l);
  l := l + b;
  l := l - b;
  writeln(l);
  l := longint(b);
  m := longint(s);
  writeln(l, m);
  f := l > m;
  if f then writeln(1) else writeln(0);
  f := m < 0;
  if f then writeln(1) else writeln(0);
  f := u > 5;
  if f then writeln(1) else writeln(0);
  if m <= -3 then writeln(1) else writeln(0);
  if m <= l then writeln(1) else writeln(0);
  if l <> 200 then writeln(1) else writeln(0);
  if m >= s then writeln(1) else writeln(0);
  if l = 200 then writeln(1) else writeln(0);
  l := 70000;
  b := byte(l) + 1;
  writeln(b, word(l), byte(l) + 1);
end.
