program missing;
type
  list = packed;
var
  x: nothing;
  y: array [1..3] of unknown;
procedure p(a: none);
begin
end;
function f: lost;
begin
end;
begin
  x := 1;
end.
