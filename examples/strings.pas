{ strings.pas: short strings and chars: building, comparing, reversing,
  counting and changing case.

  Output:
    Hello, Z80 world
    length 16
    reversed: dlrow 08Z ,olleH
    upper: HELLO, Z80 WORLD
    vowels: 3
    words: 3
    apple < banana: TRUE
    sorted: apple banana cherry
    *-*-*-*-*
}
program strings;
{$i system.inc}
var
  s, t: string[40];
  a, b, c: string[10];
  i, n: byte;
  ch: char;

function reversed(const x: string): string;
var k: byte;
begin
  result := '';
  for k := length(x) downto 1 do result := result + x[k];
end;

function upper(const x: string): string;
var k: byte;
  d: char;
begin
  result := '';
  for k := 1 to length(x) do
  begin
    d := x[k];
    if (d >= 'a') and (d <= 'z') then d := char(byte(d) - 32);
    result := result + d;
  end;
end;

procedure order(var x, y: string);
var z: string[10];
begin
  if x > y then
  begin
    z := x;
    x := y;
    y := z;
  end;
end;

begin
  s := 'Hello,';
  t := s + ' Z80' + ' world';
  writeln(t);
  writeln('length ', length(t));
  writeln('reversed: ', reversed(t));
  writeln('upper: ', upper(t));
  n := 0;
  for i := 1 to length(t) do
  begin
    ch := t[i];
    if (ch = 'a') or (ch = 'e') or (ch = 'i') or (ch = 'o') or (ch = 'u') then n := n + 1;
  end;
  writeln('vowels: ', n);
  n := 1;
  for i := 1 to length(t) do
    if t[i] = ' ' then n := n + 1;
  writeln('words: ', n);
  a := 'cherry';
  b := 'apple';
  c := 'banana';
  writeln('apple < banana: ', b < c);
  order(a, b);
  order(b, c);
  order(a, b);
  writeln('sorted: ', a, ' ', b, ' ', c);
  s := '*';
  for i := 1 to 4 do s := s + '-*';
  writeln(s);
end.
