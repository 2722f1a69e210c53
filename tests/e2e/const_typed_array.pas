program const_typed_array;
{$i system.inc}
const
  primes: array [1..6] of byte = (2, 3, 5, 7, 11, 13);
  digits: array [0..9] of byte = (48, 49, 50, 51, 52, 53, 54, 55, 56, 57);
  limit: word = 1000;
var i: byte;
  sum: word;
begin
  sum := 0;
  for i := 1 to 6 do sum := sum + primes[i];
  writeln(sum);
  writeln(primes[3] * primes[4]);
  for i := 9 downto 0 do write(char(digits[i]));
  writeln;
  writeln(limit - sum);
end.
