program bom;
var b: byte;
{$i inc.inc}
begin
  b := 1;
  c := 2;
end.
