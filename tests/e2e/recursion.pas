program recursion;
{$i system.inc}
var steps: word;
  s: string[20];

function power(base: longint; e: byte): longint;
begin
  if e = 0 then
    result := 1
  else if e mod 2 = 0 then
    result := power(base * base, e div 2)
  else
    result := base * power(base, e - 1);
end;

procedure digits(n: longword; var sum: word);
begin
  steps := steps + 1;
  sum := sum + n mod 10;
  if n >= 10 then digits(n div 10, sum);
end;

function reverse(const t: string; k: byte): string;
begin
  if k = 0 then
    result := ''
  else
    result := t[k] + reverse(t, k - 1);
end;

function count(n: smallint): smallint;
begin
  if n <= 0 then result := n else result := count(n - 3);
end;

var total: word;
begin
  writeln(power(3, 13), ' ', power(-2, 31), ' ', power(7, 0));
  steps := 0;
  total := 0;
  digits(4294967295, total);
  writeln(total, ' in ', steps, ' steps');
  s := 'recursion';
  writeln(reverse(s, length(s)));
  writeln(count(100), ' ', count(-5));
end.
