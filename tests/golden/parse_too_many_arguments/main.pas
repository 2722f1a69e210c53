procedure p(a: byte);
begin
end;
begin
  p(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11);
end.
