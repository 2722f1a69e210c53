program char_code_operands;
{$i system.inc}
{ expected output worked out by hand }
{ Beside an integer operand a one-character literal (or a one-character
  constant) is its character code, in arithmetic and comparisons. }
const
  zero = '0';
var
  b: byte;
  w: word;
  l: longint;
begin
  b := 65;
  if b = 'A' then writeln('b = A');
  if 'B' > b then writeln('B > b');
  if b <> 'a' then writeln('b <> a');
  w := 'A' + 1;
  writeln(w);
  b := 55;
  l := b - zero;
  writeln(l);
  l := zero - b;
  writeln(l);
  w := 'z' * 2 + 'a' div 2;
  writeln(w);
  writeln('A' + b);
end.
