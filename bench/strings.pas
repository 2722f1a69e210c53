{ strings.pas: builds 100 strings of 20 letters a character at a time and
  compares each with the one before; counts how many are greater. }
program strings;
{$i system.inc}
var
  s, prev: string[40];
  k, i: byte;
  count: word;
begin
  count := 0;
  prev := '';
  for k := 1 to 100 do
  begin
    s := '';
    for i := 1 to 20 do
      s := s + chr(97 + (k * i) mod 26);
    if s > prev then
      count := count + 1;
    if s = prev then
      count := count + 1000;
    prev := s;
  end;
  writeln(count);
end.
