program lib_roman;
{$i system.inc}
{ Roman numerals both ways, with copy, pos and concat. }
const
  digits = 'IVXLCDM';

function to_roman(n: integer): string;
var values: array[1..13] of integer;
  names: array[1..13] of string[2];
  i: integer;
begin
  values[1] := 1000; names[1] := 'M';
  values[2] := 900; names[2] := 'CM';
  values[3] := 500; names[3] := 'D';
  values[4] := 400; names[4] := 'CD';
  values[5] := 100; names[5] := 'C';
  values[6] := 90; names[6] := 'XC';
  values[7] := 50; names[7] := 'L';
  values[8] := 40; names[8] := 'XL';
  values[9] := 10; names[9] := 'X';
  values[10] := 9; names[10] := 'IX';
  values[11] := 5; names[11] := 'V';
  values[12] := 4; names[12] := 'IV';
  values[13] := 1; names[13] := 'I';
  result := '';
  for i := 1 to 13 do
    while n >= values[i] do
    begin
      result := concat(result, names[i]);
      dec(n, values[i]);
    end;
end;

function digit_value(c: char): integer;
begin
  case pos(c, digits) of
    1: result := 1;
    2: result := 5;
    3: result := 10;
    4: result := 50;
    5: result := 100;
    6: result := 500;
    7: result := 1000;
  else
    result := 0;
  end;
end;

function from_roman(const s: string): integer;
var i, v, next: integer;
begin
  result := 0;
  for i := 1 to length(s) do
  begin
    v := digit_value(s[i]);
    next := 0;
    if i < length(s) then
      next := digit_value(s[i + 1]);
    if v < next then
      dec(result, v)
    else
      inc(result, v);
  end;
end;

var
  years: array[1..8] of integer;
  k: integer;
  r: string;
begin
  years[1] := 1;
  years[2] := 4;
  years[3] := 9;
  years[4] := 14;
  years[5] := 1984;
  years[6] := 1999;
  years[7] := 2024;
  years[8] := 3888;
  for k := 1 to 8 do
  begin
    r := to_roman(years[k]);
    writeln(years[k], ' = ', r, ' = ', from_roman(r), ' (', length(r), ' letters, X at ', pos('X', r), ')');
  end;
  writeln(from_roman('MMXXVI'), ' ', from_roman('xiv'), ' ', from_roman(upcase('xiv')));
end.
