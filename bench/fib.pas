{ fib.pas: the 20th Fibonacci number by the doubly recursive function. }
program fib;
{$i system.inc}

function fibonacci(n: word): word;
begin
  if n < 2 then
    result := n
  else
    result := fibonacci(n - 1) + fibonacci(n - 2);
end;

begin
  writeln(fibonacci(20));
end.
