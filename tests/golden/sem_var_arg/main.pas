program varargs;
var x: byte;
procedure inc1(var a: byte); begin a := a + 1; end;
begin
  inc1(x);
  inc1(x + 1);
  inc1(byte(x));
end.
