program overloads;
var x: byte; w: word;
procedure f(var a: word); begin end;
procedure g(a, b: byte); begin end;
begin
  f(w);
  f(x);
  g(x);
end.
