program write_numbers;
{$i system.inc}
{ write and writeln of chars, bytes and words at their edges, beside
  the signed and wide kinds, from the main program and a procedure }
var
  b: byte;
  w: word;
  c: char;
  i: integer;
  s: shortint;
  l: longint;
  k: byte;

function twice(x: byte): byte;
begin
  twice := x + x;
end;

procedure show(v: word; ch: char);
var
  local: byte;
begin
  local := v;
  write(ch, v, ch, local, ' ');
  writeln(v div 10, ch);
end;

begin
  b := 0;
  w := 0;
  writeln(b, ' ', w);
  b := 255;
  w := 65535;
  writeln(b, ' ', w);
  writeln(w + 1, ' ', b + 1);
  b := b + 1;
  w := w + 1;
  writeln(b, ' ', w);
  for k := 0 to 12 do
    write(k * 23, ',');
  writeln;
  w := 1;
  for k := 1 to 16 do
  begin
    write(w - 1, ' ');
    w := w * 2;
  end;
  writeln;
  c := 'A';
  for k := 0 to 5 do
    write(chr(ord(c) + k));
  writeln(c, 'z');
  writeln(twice(100), ' ', twice(200));
  i := -32768;
  s := -128;
  l := 100000;
  writeln(i, ' ', s, ' ', l, ' ', b = 0, ' ', 'done');
  show(12345, '*');
  show(7, '#');
  write('');
  writeln;
  writeln(10000, ' ', 9999, ' ', 65535, ' ', 0);
end.
