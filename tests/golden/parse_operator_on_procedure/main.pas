procedure p; operator begin end;
function plus(a, b: byte): byte; operator;
begin
  result := a + b;
end;
begin
  p;
end.
