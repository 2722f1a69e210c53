program hello;
begin
end.
