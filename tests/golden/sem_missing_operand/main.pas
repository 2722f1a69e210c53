program holes;
var x: byte; l: longint;
procedure f(a: byte); begin end;
begin
  x := # 0;
  l := (x + );
  f(# 0);
  if # 0 then x := 1;
  l := +x;
end.
