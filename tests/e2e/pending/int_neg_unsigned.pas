program int_neg_unsigned;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  Unary minus of a word keeps the word type, and the sum after it with it:
  -a + b is computed as a word (65532 instead of -4). }
var a, b: word;
  r: longint;
begin
  a := 7;
  b := 3;
  r := -a + b;
  writeln(r);
end.
