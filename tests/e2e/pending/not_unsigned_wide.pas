program not_unsigned_wide;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  not of a byte or word is complemented in all 32 bits, so in a wider
  operation it is a negative number instead of 255 - b or 65535 - w
  (4293810496, 4294966573, 4294962495 instead of 72000, 45, 4815). }
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
end.
