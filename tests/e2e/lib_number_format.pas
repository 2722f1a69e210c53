program lib_number_format;
uses sysutils;
{$i system.inc}
{ Numbers as people write them: thousands separators, padding to a
  column, a sign, and amounts of money in cents. }

function grouped(n: longint): string;
var digits: string;
  k: integer;
begin
  digits := inttostr(abs(n));
  k := length(digits) - 2;
  while k > 1 do
  begin
    insert(',', digits, k);
    dec(k, 3);
  end;
  if n < 0 then
    digits := '-' + digits;
  result := digits;
end;

function padded(const s: string; width: integer): string;
begin
  result := s;
  while length(result) < width do
    result := ' ' + result;
end;

function money(cents: longint): string;
var frac: string;
begin
  str(abs(cents) mod 100, frac);
  if length(frac) < 2 then
    frac := '0' + frac;
  result := grouped(abs(cents) div 100) + '.' + frac;
  if cents < 0 then
    result := '(' + result + ')';
end;

var
  values: array[1..7] of longint;
  k: integer;
  s: string;
begin
  values[1] := 0;
  values[2] := 7;
  values[3] := 999;
  values[4] := 1000;
  values[5] := -123456;
  values[6] := 2147483647;
  values[7] := -2147483647;
  for k := 1 to 7 do
    writeln('|', padded(grouped(values[k]), 15), '|', padded(inttostr(values[k]), 12), '|');
  writeln(money(1999), ' ', money(5), ' ', money(-123456789), ' ', money(100000));
  str(65535, s);
  writeln(s, ' has ', length(s), ' digits; ', inttostr(-32768), ' ', inttostr(32767));
end.
