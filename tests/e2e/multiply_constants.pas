program multiply_constants;
{$i system.inc}
{ words, integers and bytes times constants of few and of many one bits,
  kept in 16 or 8 bits, against the same products taken apart by hand }
var
  w, p: word;
  i: integer;
  b: byte;
  k: integer;
  sum: longint;

procedure show(v: word);
var
  r: array [1..8] of word;
  n: integer;
begin
  r[1] := v * 109;
  r[2] := v * 25173;
  r[3] := v * 31;
  r[4] := v * 255;
  r[5] := v * 4681;
  r[6] := v * 21845;
  r[7] := v * 43690;
  r[8] := v * 65535;
  for n := 1 to 8 do
    write(r[n], ' ');
  writeln;
end;

begin
  show(0);
  show(1);
  show(2);
  show(3);
  show(255);
  show(12345);
  show(65535);
  w := 7;
  b := 7;
  i := -3;
  sum := 0;
  for k := 1 to 300 do
  begin
    w := w * 25173 + 13849;
    b := b * 109 + 89;
    i := i * 1021;
    p := w * 255;
    sum := sum + w + b + p + i;
  end;
  writeln(w, ' ', b, ' ', i, ' ', p, ' ', sum);
end.
