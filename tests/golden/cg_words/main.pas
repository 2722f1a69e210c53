program words;

{ 16-bit code in hl: loads, stores, sums with constants, bytes, words and
  the stack, products, and a byte widened by one. }
{$i io.inc}

var
  w, v: word;
  i: smallint;
  b: byte;
  s: shortint;

begin
  w := 1000;
  v := w;
  w := w + 1;
  w := w - 1;
  v := w + 300;
  v := v - 5;
  writeln(w, v);
  b := 200;
  w := w + b;
  writeln(w);
  v := v - b;
  writeln(v);
  w := w + v;
  writeln(w);
  w := w - v;
  writeln(w);
  v := b + b;
  writeln(v);
  v := b - 201;
  writeln(v);
  w := b + 1;
  writeln(w);
  w := w * 3;
  writeln(w);
  w := b * 4;
  writeln(w);
  w := w * v;
  writeln(w);
  s := -2;
  i := s;
  writeln(i);
  i := s + 1;
  writeln(i);
  i := i + s;
  writeln(i);
  i := s * 3;
  writeln(i);
end.
