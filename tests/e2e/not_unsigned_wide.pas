program not_unsigned_wide;
{$i system.inc}
{ not of a byte or word is 255 - b or 65535 - w wherever it is used, also
  in a wider operation (not the 32-bit complement, a negative number). }
var b: byte;
  w: word;
  lw: longword;
begin
  b := 240;
  w := 65530;
  lw := 4800;
  writeln((not b) * lw);
  writeln((not b) * 3);
  writeln((not b) + lw);
  writeln(not b, ' ', not w);
  writeln((not w) * lw);
  writeln(not 0, ' ', not 200, ' ', not 70000);
end.
