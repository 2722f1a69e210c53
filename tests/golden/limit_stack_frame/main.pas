program frames;
{ Frames lie on the stack between 07FFFh and the heap at 0100h; this
  one, with the main program's, needs more. }
var g: array [1..16000] of byte;
procedure p;
var a: array [1..16600] of byte;
begin
  a[1] := 1;
end;
begin
  g[1] := 1;
  p;
end.
