{ crc8.pas: CRC-8 (polynomial 07h) over 2000 bytes made by a byte-wide
  linear congruential generator. }
program crc8;
{$i system.inc}
const
  last = 1999;
var
  data: array [0..last] of byte;
  k: word;
  x, crc, bit: byte;
begin
  x := 7;
  for k := 0 to last do
  begin
    x := x * 109 + 89;
    data[k] := x;
  end;
  crc := 0;
  for k := 0 to last do
  begin
    crc := crc xor data[k];
    for bit := 1 to 8 do
      if crc and $80 <> 0 then
        crc := (crc shl 1) xor $07
      else
        crc := crc shl 1;
  end;
  writeln(crc);
end.
