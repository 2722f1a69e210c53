type
  handler = procedure;
var
  h: handler;
begin
end.
