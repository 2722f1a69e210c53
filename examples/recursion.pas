{ recursion.pas: recursive functions and procedures: factorials, Fibonacci
  numbers, the greatest common divisor, binary digits, the towers of Hanoi
  and Ackermann's function.

  Output:
    1! = 1
    5! = 120
    10! = 3628800
    12! = 479001600
    fib: 0 1 1 2 3 5 8 13 21 34 55 89
    gcd(1071, 462) = 21
    binary 2024 = 11111101000
    hanoi 4: 15 moves
    1 A->C
    2 A->B
    1 C->B
    3 A->C
    1 B->A
    2 B->C
    1 A->C
    ackermann(2, 3) = 9
}
program recursion;
{$i system.inc}
var
  i: byte;
  moves: word;

function factorial(n: byte): longword;
begin
  if n <= 1 then
    result := 1
  else
    result := n * factorial(n - 1);
end;

function fib(n: byte): word;
begin
  if n < 2 then
    result := n
  else
    result := fib(n - 1) + fib(n - 2);
end;

function gcd(a, b: word): word;
begin
  if b = 0 then
    result := a
  else
    result := gcd(b, a mod b);
end;

procedure binary(n: word);
begin
  if n > 1 then binary(n div 2);
  write(n mod 2);
end;

procedure hanoi(n: byte; src, dst, via: char; show: boolean);
begin
  if n > 0 then
  begin
    hanoi(n - 1, src, via, dst, show);
    moves := moves + 1;
    if show then writeln(n, ' ', src, '->', dst);
    hanoi(n - 1, via, dst, src, show);
  end;
end;

function ackermann(m, n: word): word;
begin
  if m = 0 then
    result := n + 1
  else if n = 0 then
    result := ackermann(m - 1, 1)
  else
    result := ackermann(m - 1, ackermann(m, n - 1));
end;

begin
  writeln('1! = ', factorial(1));
  writeln('5! = ', factorial(5));
  writeln('10! = ', factorial(10));
  writeln('12! = ', factorial(12));
  write('fib:');
  for i := 0 to 11 do write(' ', fib(i));
  writeln;
  writeln('gcd(1071, 462) = ', gcd(1071, 462));
  write('binary 2024 = ');
  binary(2024);
  writeln;
  moves := 0;
  hanoi(4, char(65), char(67), char(66), false);
  writeln('hanoi 4: ', moves, ' moves');
  hanoi(3, char(65), char(67), char(66), true);
  writeln('ackermann(2, 3) = ', ackermann(2, 3));
end.
