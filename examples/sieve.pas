{ sieve.pas: the primes below 200 by the sieve of Eratosthenes, ten to a
  line, then how many there are and their sum.

  Output:
    2 3 5 7 11 13 17 19 23 29
    31 37 41 43 47 53 59 61 67 71
    73 79 83 89 97 101 103 107 109 113
    127 131 137 139 149 151 157 163 167 173
    179 181 191 193 197 199
    46 primes, sum 4227
}
program sieve;
{$i system.inc}
const
  limit = 199;
var
  composite: array [2..199] of boolean;
  i, j: word;
  count: byte;
  sum: word;
begin
  for i := 2 to limit do composite[i] := false;
  i := 2;
  while i * i <= limit do
  begin
    if not composite[i] then
    begin
      j := i * i;
      while j <= limit do
      begin
        composite[j] := true;
        j := j + i;
      end;
    end;
    i := i + 1;
  end;
  count := 0;
  sum := 0;
  for i := 2 to limit do
    if not composite[i] then
    begin
      count := count + 1;
      sum := sum + i;
      if count mod 10 <> 1 then write(' ');
      write(i);
      if count mod 10 = 0 then writeln;
    end;
  if count mod 10 <> 0 then writeln;
  writeln(count, ' primes, sum ', sum);
end.
