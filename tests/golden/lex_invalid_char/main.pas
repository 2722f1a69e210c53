program bad;
begin
  x := y ~ 2;
end.
