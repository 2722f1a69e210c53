unit counter;
interface
uses system;
implementation
begin
  count := count + 1;
  if count > 10 then count := 0;
end.
