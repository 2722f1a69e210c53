program stats;
{ Two byte increments, a byte copy (switched off) and a word sum. }
var
  a, b: byte;
  w: word;
begin
  a := 1;
  a := a + 1;
  b := b - 1;
  w := w + 300;
end.
