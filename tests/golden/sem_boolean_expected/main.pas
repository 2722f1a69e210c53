program conditions;
var x: byte; b: boolean;
begin
  if x then x := 1;
  while x + 1 do x := 2;
  repeat x := 3; until 7;
  if b and (x > 1) then x := 4;
  if not (x > 2) then x := 5;
end.
