program a;
{ 16384 longints take 65536 bytes: more than the Z80 can address }
type fits = array [0..16382] of longint;
  big = array [0..16383] of longint;
var x: byte;
begin
end.
