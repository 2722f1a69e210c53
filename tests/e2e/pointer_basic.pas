program pointer_basic;
{$i system.inc}
type
  pword = ^word;
  pbyte = ^byte;
  plong = ^longint;
var w: word;
  b: byte;
  l: longint;
  pw: pword;
  pb: pbyte;
  pl: plong;
begin
  w := 1234;
  pw := @w;
  writeln(pw^);
  pw^ := 4321;
  writeln(w);
  pw^ := pw^ + 1;
  writeln(w);
  b := 7;
  pb := @b;
  pb^ := pb^ * 6;
  writeln(b);
  l := -5;
  pl := @l;
  pl^ := pl^ * 1000000;
  writeln(l);
  pw := nil;
  if pw = nil then writeln('nil');
  pw := @w;
  if pw <> nil then writeln('not nil');
end.
