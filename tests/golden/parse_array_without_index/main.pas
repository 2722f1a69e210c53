var
  a: array of byte;
begin
end.
