program param_value;
{$i system.inc}
var gb: byte;

procedure show(b: byte; w: word; l: longword; s: shortint; m: smallint; i: longint);
begin
  write(b, ' ', w, ' ', l, ' ');
  writeln(s, ' ', m, ' ', i);
end;

procedure change(b: byte);
begin
  b := b + 1;
  writeln('inside ', b);
end;

procedure flags(c: char; t: boolean; const s: string);
begin
  writeln(c, ' ', t, ' ', s);
end;

begin
  show(255, 65535, 4294967295, -128, -32768, -2147483647);
  show(0, 1, 2, 3, 4, 5);
  gb := 9;
  change(gb);
  writeln('outside ', gb);
  flags(char(113), gb = 9, 'text');
end.
