program lib_caesar;
{$i system.inc}
{ Caesar and ROT13 ciphers with ord, chr, succ, pred and upcase; letter
  statistics with odd and sqr. }

function shifted(c: char; by: integer): char;
var base: integer;
begin
  result := c;
  if (upcase(c) >= 'A') and (upcase(c) <= 'Z') then
  begin
    if c >= 'a' then
      base := ord('a')
    else
      base := ord('A');
    result := chr(base + (ord(c) - base + by + 26) mod 26);
  end;
end;

function encoded(const s: string; by: integer): string;
var k: integer;
begin
  result := '';
  for k := 1 to length(s) do
    result := result + shifted(s[k], by);
end;

var
  text, secret: string;
  c: char;
  k, vowels, sum: integer;
  counts: array['a'..'z'] of integer;
begin
  text := 'Veni, vidi, vici - Julius Caesar, 47 BC';
  secret := encoded(text, 3);
  writeln(secret);
  writeln(encoded(secret, -3));
  writeln(encoded(encoded(text, 13), 13) = text);
  c := 'm';
  writeln(succ(c), pred(c), ' ', ord(succ('z')), ' ', chr(ord('0') + 7), ' ', pred(succ(c)));
  for c := 'a' to 'z' do
    counts[c] := 0;
  for k := 1 to length(text) do
  begin
    c := lowercase(text[k]);
    if (c >= 'a') and (c <= 'z') then
      inc(counts[c]);
  end;
  vowels := 0;
  sum := 0;
  for c := 'a' to 'z' do
    if counts[c] > 0 then
    begin
      write(c, counts[c]);
      if odd(counts[c]) then
        write('*');
      write(' ');
      sum := sum + sqr(counts[c]);
      if pos(c, 'aeiou') > 0 then
        inc(vowels, counts[c]);
    end;
  writeln;
  writeln('vowels ', vowels, ', sum of squares ', sum, ', ', abs(ord('a') - ord('z')));
end.
