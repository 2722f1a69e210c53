program calls;
var v: byte;
function g: byte;
begin
  g := 1;
end;
function f(x: byte): byte;
  procedure nested;
  begin
    f := 4;
    g := 5;
  end;
begin
  f := x;
  g := 2;
  f(1) := 3;
  v := f + 1;
  nested;
end;
procedure p;
begin
  p := 1;
end;
begin
  g := 6;
  v := f(1) + g;
end.
