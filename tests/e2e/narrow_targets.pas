program narrow_targets;
{$i system.inc}
{ Sums, differences, products, logic and left shifts stored into a byte or
  word, or passed to such a value parameter, keep only the target's bits,
  so they are computed in its width; division, "shr" and comparisons inside
  them still see every bit, and so does a write. }
var x, y, b: byte;
  s: shortint;
  w, v: word;
  i: smallint;
  l: longint;

procedure show8(v: byte);
begin
  writeln(v);
end;

procedure show16(v: word);
begin
  writeln(v);
end;

procedure showi(v: smallint);
begin
  writeln(v);
end;

begin
  x := 200;
  y := 100;
  b := (x + 1) * (y + 2);
  writeln(b);
  b := x * y - 7;
  writeln(b);
  b := (x + y) shl 1;
  writeln(b);
  b := (x xor y) + (x and y) - (x or 3);
  writeln(b);
  b := (x + y) div 2;
  writeln(b);
  b := (x + y) shr 1;
  writeln(b);
  b := x shl 9;
  writeln(b);
  s := -100;
  s := s - 100;
  writeln(s);
  s := -s * 3;
  writeln(s);
  w := 60000;
  v := 30000;
  w := w + v * 3 - 5;
  writeln(w);
  w := (w + 7) * (v - 1);
  writeln(w);
  w := x * y;
  writeln(w);
  w := x * y * 4;
  writeln(w);
  i := -30000;
  i := i - 10000;
  writeln(i);
  i := i * 7 + (v shl 2);
  writeln(i);
  l := x * y * 4;
  writeln(l);
  l := w + v;
  writeln(l);
  show8(x * y + 1);
  show8((x + 1) * (y + 2) - x);
  show16(w * 3 + v);
  show16(x * y);
  showi(i * 3 - 1);
  writeln(x + y);
  writeln(x * y + 1);
  show16(x shl 9);
  show8((x + y) div 3);
  if x + y > 255 then b := x + y + 1 else b := 0;
  writeln(b);
end.
