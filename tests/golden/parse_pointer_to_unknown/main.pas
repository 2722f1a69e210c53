var
  p: ^thing;;
begin
end.
