{ sieve.pas: counts the primes from 2 to 7999 by the sieve of Eratosthenes
  over an array of byte flags. }
program sieve;
{$i system.inc}
const
  limit = 7999;
var
  flags: array [0..limit] of byte;
  i, j, count: word;
begin
  for i := 0 to limit do flags[i] := 1;
  count := 0;
  for i := 2 to limit do
    if flags[i] = 1 then
    begin
      count := count + 1;
      j := i + i;
      while j <= limit do
      begin
        flags[j] := 0;
        j := j + i;
      end;
    end;
  writeln(count);
end.
