program combinations;
var l: longint; s: string[8]; b: boolean; p: ^byte;
begin
  l := l + s;
  b := b + 1;
  l := p;
end.
