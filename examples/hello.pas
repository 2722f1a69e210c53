program hello;

{ A first program: counts to ten.
  It writes nothing (it includes no run-time): what it shows is in the
  .asm file.  It runs to its end on the Z80 all the same.

  Output:
}
const
  limit = 10;
var
  i, total: word;
begin
  total := 0;
  for i := 1 to limit do
    total := total + i;
end.
