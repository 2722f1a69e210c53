program ids;
var x: byte;
begin
  x := zz;
  zz := 1;
  undeclared(x);
end.
