program misplaced;
procedure __write_width(v: byte; w: longint); begin end;
var b: byte;
const size = sizeof(nothing);
begin
  break;
  if b = 1 then continue;
  case b of 2: break; end;
  while b < 3 do begin b := b + 1; break; end;
  repeat if b = 3 then continue; until b = b;
  write(b:'x');
  exit(b);
end.
