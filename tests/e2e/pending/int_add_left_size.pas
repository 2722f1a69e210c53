program int_add_left_size;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  A sum takes the type of its left operand: byte + constant is added in
  8 bits and written as a byte (44 instead of 300). }
var b: byte;
  w, r: word;
begin
  b := 200;
  w := 1000;
  r := b + w;
  writeln(r);
  writeln(b + 100);
end.
