program char_codes;
{$i system.inc}
{ A one-character literal is its character code wherever an ordinal
  value is wanted: array indices in one and two dimensions, casts to every
  integer type, and the digits idiom byte(s[i]) - byte('0'). }
type
  lower = 'a'..'z';
var
  count: array[char] of byte;
  letters: array['a'..'z'] of word;
  grid: array[0..2, 'a'..'c'] of byte;
  s: string[12];
  i, b: byte;
  w: word;
  l: longint;
  si: shortint;
  sum: longword;
  c: lower;
  j: byte;
begin
  count['m'] := 13;
  count['A'] := 1;
  count[#0] := 7;
  writeln(count['m'], ' ', count['A'], ' ', count[#0], ' ', count['n']);
  letters['a'] := 1000;
  letters['z'] := 2600;
  writeln(letters['a'] + letters['z']);
  for i := 0 to 2 do
  begin
    grid[i, 'a'] := i;
    grid[i, 'b'] := i * 10;
    grid[i, 'c'] := i * 100;
  end;
  writeln(grid[1, 'b'], ' ', grid[2, 'c'], ' ', grid[2, 'a']);
  b := byte('A');
  w := word('z');
  l := longint('0');
  si := shortint('~');
  writeln(b, ' ', w, ' ', l, ' ', si);
  writeln(byte(#200), ' ', smallint('a'));
  s := '1234';
  w := 0;
  for i := 1 to 4 do
    w := w * 10 + byte(s[i]) - byte('0');
  writeln(w);
  s := '4000000000';
  sum := 0;
  for i := 1 to 10 do
    sum := sum * 10 + longword(byte(s[i]) - byte('0'));
  writeln(sum);
  b := byte('z') - byte('a') + 1;
  writeln(b);
  j := 0;
  for c := 'c' to 'f' do
  begin
    j := j + 1;
    count[c] := j;
  end;
  writeln(count['c'], count['d'], count['e'], count['f']);
  c := 'q';
  case c of
    'a': writeln('a');
    'q': writeln('q');
  else
    writeln('other');
  end;
end.
