program hello;

{ A first program: counts to ten. }
const
  limit = 10;
var
  i, total: word;
begin
  total := 0;
  for i := 1 to limit do
    total := total + i;
end.
