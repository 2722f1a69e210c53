program a;
{ 2147483648 longints take 8 GB: beyond the 32-bit size of a type }
type fits = array [0..1073741822] of longint;
  big = array [0..2147483647] of longint;
var x: byte;
begin
end.
