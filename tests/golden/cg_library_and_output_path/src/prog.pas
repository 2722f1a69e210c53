program placed;

{ The output goes next to the source (src/prog.asm); the library text
  stands between the first jump and the parent-frame slots. }
var
  b: byte;
begin
  b := 1;
end.
