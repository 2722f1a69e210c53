program cut;
var x: byte;
begin
  x := (1 + 2
