program selfcontained;
procedure own(a: byte); var b: byte; begin b := a; end;
begin
  own(1);
end.
