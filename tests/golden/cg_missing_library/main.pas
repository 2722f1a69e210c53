program nolib;

{ Without system_z80lib.asm in the working directory the run stops with
  an input/output error before any output file is made. }
var
  b: byte;
begin
  b := 1;
end.
