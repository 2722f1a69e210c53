program str_index;
{$i system.inc}
var s: string[20];
  i, n: byte;
  c: char;
begin
  s := 'Pascal';
  n := length(s);
  for i := 1 to n do write(s[i], '.');
  writeln;
  for i := n downto 1 do write(s[i]);
  writeln;
  n := 0;
  for i := 1 to length(s) do
    if s[i] = 'a' then n := n + 1;
  writeln('a count: ', n);
  for i := 1 to length(s) do
  begin
    c := s[i];
    if (c >= 'a') and (c <= 'z') then s[i] := char(byte(c) - 32);
  end;
  writeln(s);
  writeln(byte(s[0]));
end.
