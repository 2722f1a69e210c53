program r;
{ a record takes at most 65535 bytes: 65535 fit, 65536 do not }
type part = array [1..32768] of byte;
  rest = array [1..32767] of byte;
  fits = record
    a: part;
    b: rest;
  end;
  big = record
    a: part;
    b: part;
  end;
var x: byte;
begin
end.
