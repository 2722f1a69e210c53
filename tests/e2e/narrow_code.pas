{ narrow_code.pas: byte and word arithmetic, comparisons at the edges of
  each type, loops whose bounds wrap, small functions and var parameters,
  nested routines, string appends up to the capacity.  Expected output
  from Free Pascal. }
program narrow_code;
{$i system.inc}
var
  b, b2: byte;
  s8: shortint;
  w, w2: word;
  i16: smallint;
  l: longint;
  flags: array [1..10] of boolean;
  words: array [3..9] of word;
  grid: array [1..3, 1..4] of byte;
  t: string[5];
  k, count: word;
  ch: char;

function twice(x: word): word;
begin
  twice := x + x;
end;

function neg8(x: shortint): shortint;
begin
  result := -x;
end;

function isbig(x: smallint): boolean;
begin
  isbig := x > 1000;
end;

function first(c: char): char;
begin
  result := c;
end;

procedure bump(var x: word; by: byte);
begin
  x := x + by;
end;

procedure swapbytes(var x, y: byte);
var
  z: byte;
begin
  z := x;
  x := y;
  y := z;
end;

function sumdown(n: word): word;
var
  acc: word;

  procedure add(v: word);
  begin
    acc := acc + v;
  end;

begin
  acc := 0;
  while n > 0 do
  begin
    add(n);
    n := n - 1;
  end;
  sumdown := acc;
end;

function depth(n: byte): byte;
begin
  if n = 0 then
    depth := 0
  else
    depth := depth(n - 1) + 1;
end;

begin
  { wrapping byte and word arithmetic }
  b := 250;
  b := b + 10;
  w := 65530;
  w := w + 10;
  writeln(b, ' ', w);
  b := 3;
  b := b - 5;
  w := 1;
  w := w - 2;
  writeln(b, ' ', w);
  b := 200;
  b2 := 100;
  writeln(b + b2, ' ', b - b2, ' ', b * b2, ' ', b2 - b < 0);
  { comparisons at the edges, signed and unsigned }
  s8 := -128;
  i16 := -32768;
  w := 65535;
  writeln(s8 < 0, ' ', i16 < s8, ' ', w > 32767, ' ', w = 65535, ' ', s8 <= -128);
  writeln(i16 < 0, ' ', -1 < w, ' ', s8 > i16, ' ', b >= 200, ' ', b > 200);
  { div, mod and shifts with negative and large values }
  i16 := -7;
  writeln(i16 div 2, ' ', i16 mod 2, ' ', i16 div -2, ' ', 7 mod -3);
  w := 40000;
  write(w div 16, ' ', w mod 16, ' ', w shr 3, ' ');
  writeln(w shl 1, ' ', w div 7, ' ', w mod 7);
  b := 129;
  writeln(b shl 1, ' ', b shr 7, ' ', not b, ' ', -b);
  { for loops: bounds cut to the variable's type, downto, empty loops }
  count := 0;
  for b := 250 to 255 do
    count := count + 1;
  writeln(count, ' ', b);
  count := 0;
  for b := 255 downto 0 do
    for ch := 'a' to 'c' do
      count := count + 1;
  writeln(count, ' ', b, ' ', ch);
  count := 0;
  for s8 := 5 downto -5 do
    count := count + s8 + 10;
  writeln(count, ' ', s8);
  count := 0;
  for w := 10 to 9 do
    count := count + 1;
  for ch := 'a' to 'e' do
    write(ch);
  writeln(' ', count);
  { arrays with low bounds other than 0 and 1, two dimensions }
  for k := 1 to 10 do
    flags[k] := k mod 3 = 0;
  for i16 := -3 to 3 do
    words[i16 + 6] := i16 * i16 * 1000;
  for b := 1 to 3 do
    for b2 := 1 to 4 do
      grid[b, b2] := b * 10 + b2;
  count := 0;
  for k := 1 to 10 do
    if flags[k] and not flags[k - 1 + 1 - 1 + 1] = false then
      count := count + 1;
  write(count, ' ', words[3], ' ', words[6], ' ');
  writeln(words[8], ' ', grid[2, 3], ' ', grid[3, 4]);
  { functions and var parameters }
  w := 30000;
  writeln(twice(w), ' ', twice(3) + twice(4), ' ', neg8(-100), ' ', isbig(1001), ' ', isbig(-5));
  writeln(first('q'), ' ', ord(first('A')), ' ', chr(66), ' ', ord(true));
  w := 5;
  bump(w, 250);
  b := 1;
  b2 := 2;
  swapbytes(b, b2);
  writeln(w, ' ', b, ' ', b2, ' ', sumdown(100), ' ', depth(50));
  { appending chars up to the capacity }
  t := '';
  for b := 1 to 8 do
    t := t + chr(64 + b);
  writeln(t, ' ', length(t));
  { a longint beside the words }
  l := 70000;
  w := 7;
  l := l + w;
  writeln(l, ' ', l > w, ' ', w < l);
end.
