program int_shift_widths;
{$i system.inc}
var b: byte;
  l: longword;
  w: word;
begin
  b := 3;
  w := b shl 8;
  writeln(w);
  l := b shl 20;
  writeln(l);
  l := 1;
  l := l shl 31;
  writeln(l);
  l := l shr 31;
  writeln(l);
end.
