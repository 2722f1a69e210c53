program bytes;

{ Byte code without the 32-bit registers: copies, increments, sums,
  logic, compares into booleans and into jumps, signed and unsigned. }
{$i io.inc}

var
  a, b, c: byte;
  s, t: shortint;
  f: boolean;

begin
  a := 5;
  b := a;
  a := a + 1;
  b := b - 1;
  c := a + b;
  c := c - 2;
  writeln(a, b, c);
  c := a and b;
  writeln(c);
  c := a or b;
  writeln(c);
  c := a xor b;
  writeln(c);
  f := a > b;
  if f then writeln(1) else writeln(0);
  f := a = 6;
  if f then writeln(1) else writeln(0);
  if a < 10 then writeln(1) else writeln(0);
  if a >= b then writeln(1) else writeln(0);
  if a <= 5 then writeln(1) else writeln(0);
  if a <> b then writeln(1) else writeln(0);
  s := -3;
  t := 2;
  if s < t then writeln(1) else writeln(0);
  if s > -5 then writeln(1) else writeln(0);
  f := s >= t;
  if f then writeln(1) else writeln(0);
  f := s < 0;
  if f then writeln(1) else writeln(0);
  writeln(s, t);
end.
