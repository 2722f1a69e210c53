program recursion;
{$i system.inc}

function fact(n: byte): longword;
begin
  if n <= 1 then
    result := 1
  else
    result := n * fact(n - 1);
end;

function fib(n: byte): word;
begin
  if n < 2 then
    result := n
  else
    result := fib(n - 1) + fib(n - 2);
end;

function gcd(a, b: longint): longint;
begin
  if b = 0 then
    result := a
  else
    result := gcd(b, a mod b);
end;

procedure countdown(n: byte);
begin
  write(n, ' ');
  if n > 0 then countdown(n - 1);
end;

begin
  writeln(fact(5), ' ', fact(12));
  writeln(fib(10), ' ', fib(20));
  writeln(gcd(1071, 462), ' ', gcd(100000, 75));
  countdown(5);
  writeln;
end.
