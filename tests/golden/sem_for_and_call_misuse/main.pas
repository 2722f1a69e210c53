program misuse;
const limit = 10;
type rec = record a: byte; end;
var v: byte;
  s: string[10];
  r: rec;
  p: ^byte;
function g: byte;
begin
  g := 1;
end;
begin
  for limit := 1 to 3 do v := v + 1;
  for g := 1 to 3 do v := v + 1;
  for s := 1 to 3 do v := v + 1;
  for r := 1 to 3 do v := v + 1;
  for p := 1 to 3 do v := v + 1;
  for v := 1 to 3 do v(1);
  v := v(2) + limit(3);
  writeln(v(4));
end.
