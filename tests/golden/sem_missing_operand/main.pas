program holes;
var x: byte; l: longint;
procedure f(a: byte); begin end;
begin
  x := #65 0;
  l := (x + );
  f(#66 0);
  if #67 0 then x := 1;
  l := +x;
end.
