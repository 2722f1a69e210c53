program divide_by_byte;
{$i system.inc}
{ div and mod of bytes and words by byte constants, at the edges of the
  dividend and of the divisor (from 128 up the running remainder needs a
  ninth bit), stored into bytes and words and printed }
var
  w, q: word;
  b, r: byte;
  k: integer;
  sum: longint;

procedure check(v: word);
var
  local: word;
begin
  local := v div 193;
  write(v div 1, ' ', v mod 1, ' ', v div 3, ' ', v mod 3, ' ');
  write(v div 10, ' ', v mod 10, ' ', local, ' ', v mod 193, ' ');
  writeln(v div 255, ' ', v mod 255, ' ', v mod 128);
end;

begin
  check(0);
  check(1);
  check(9);
  check(10);
  check(255);
  check(256);
  check(32767);
  check(32768);
  check(65534);
  check(65535);
  sum := 0;
  w := 1;
  for k := 1 to 500 do
  begin
    q := w div 26;
    r := w mod 26;
    sum := sum + q * 26 + r;
    b := w mod 254;
    sum := sum + b div 7 + b mod 7;
    w := w * 5 + 3;
  end;
  writeln(sum);
  b := 200;
  r := (b * 3) mod 26;
  q := (b * 300) div 7;
  writeln(r, ' ', q, ' ', (w + 1) div 129);
end.
