program frames;
var g: byte;
procedure own(a: byte); var b: byte; begin b := a; end;
procedure outer;
var v: byte;
  procedure inner; begin v := 1; end;
begin
  v := 2;
  inner;
end;
procedure counter; begin g := g + 1; end;
procedure neverused; begin g := 0; end;
begin
  own(1);
  outer;
  counter;
end.
