program divzero_word;
{$i system.inc}
{ A division by zero stops the program with run-time error 200 (two-byte
  operands; the message starts a line of its own). }
var
  b, z, q: word;
begin
  b := 7;
  z := 3;
  writeln(b div z, ' ', b mod z);
  z := z - 3;
  write('quotient: ');
  q := b div z;
  writeln(q);
end.
