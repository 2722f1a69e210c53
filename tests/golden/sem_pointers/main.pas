program pointers;
type pb = ^byte;
var p: pb; x: byte; l: longint;
begin
  p := @x;
  p := @5;
  x := p^;
  l := 5^;
end.
