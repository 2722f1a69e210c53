program int_add_left_size;
{$i system.inc}
{ A sum keeps every bit wherever its value is used wider than its left
  operand: assigned to a wider variable, written, compared, passed by
  value, used as an index, nested in a wider expression; assigned to a
  variable of the left operand's size it wraps as that type does. }
var b, c: byte;
  w, r: word;
  s: shortint;
  i: smallint;
  l: longint;
  t: array [0..300] of byte;

procedure show(v: word);
begin
  writeln(v);
end;

function twice(v: longint): longint;
begin
  result := v + v;
end;

begin
  b := 200;
  c := 100;
  w := 1000;
  r := b + w;
  writeln(r);
  writeln(b + 100);
  writeln(b + c, ' ', b + c + c);
  if b + 100 > 250 then writeln('wide compare');
  if b + c = 300 then writeln('wide equal');
  show(b + c);
  writeln(twice(b + b));
  t[256] := 77;
  writeln(t[b + 56]);
  l := (b + c) * 1000;
  writeln(l);
  w := 65535;
  l := w + 1;
  writeln(l);
  writeln(w + w);
  s := 127;
  i := s + 1;
  writeln(i, ' ', s + 1, ' ', s + b);
  s := -100;
  writeln(s + s, ' ', s + c);
  b := b + c;
  writeln(b);
  c := c + 200 + 1;
  writeln(c);
  w := w + 2;
  writeln(w);
  s := s + s;
  writeln(s);
end.
