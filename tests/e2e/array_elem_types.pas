program array_elem_types;
{$i system.inc}
var l: array [1..4] of longint;
  s: array [10..12] of shortint;
  m: array [0..2] of smallint;
  c: array [1..3] of char;
  f: array [1..3] of boolean;
  i: byte;
begin
  for i := 1 to 4 do l[i] := -100000 * i;
  for i := 1 to 4 do write(l[i], ' ');
  writeln;
  s[10] := -1;
  s[11] := -128;
  s[12] := 127;
  writeln(s[10], ' ', s[11], ' ', s[12]);
  m[0] := -300;
  m[1] := m[0] * 2;
  m[2] := m[1] - m[0];
  writeln(m[0], ' ', m[1], ' ', m[2]);
  c[1] := 'x';
  c[2] := 'y';
  c[3] := c[1];
  writeln(c[1], c[2], c[3]);
  f[1] := true;
  f[2] := false;
  f[3] := f[1] and not f[2];
  writeln(f[1], ' ', f[2], ' ', f[3]);
end.
