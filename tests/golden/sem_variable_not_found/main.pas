program loops;
var x: byte;
begin
  for q := 1 to 3 do x := x + 1;
  for x := 3 downto 1 do x := x;
end.
