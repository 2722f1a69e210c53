program far_locals;
{$i system.inc}

procedure big;
var buf: array [1..200] of byte;
  w: word;
  s: string;
  i: byte;
  l: longint;
begin
  for i := 1 to 200 do buf[i] := i;
  w := 0;
  for i := 1 to 200 do w := w + buf[i];
  l := w;
  l := l * 3;
  s := 'far';
  writeln(w, ' ', l, ' ', s, ' ', buf[200]);
end;

begin
  big;
end.
