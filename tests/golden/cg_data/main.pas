program data;

{ Data and control flow: string constants and an array constant in the
  data list, local constants, case, while, repeat, for downto, and asm
  blocks with their own labels. }
{$i io.inc}

const
  primes: array [0..4] of byte = (2, 3, 5, 7, 11);

var
  i, n: byte;
  w: word;

function classify(v: byte): byte;
const
  limit = 10;
begin
  case v of
    0: result := 100;
    1, 2: result := 101;
    3: result := 102;
  else
    result := 103;
  end;
  if v > limit then
    result := 0;
end;

begin
  writeln('data');
  for i := 0 to 4 do
    write(classify(i));
  writeln(classify(11));
  n := 0;
  w := 0;
  while n < 5 do
  begin
    w := w + primes[n];
    n := n + 1;
  end;
  writeln(w);
  repeat
    n := n - 1;
  until n = 0;
  for i := 3 downto 1 do
    write(i);
  writeln;
  asm
    ld a,7
  skip:
    jr skip2

  skip2:
    ld (__reg32a),a
  end;
  writeln(not 0, -n);
end.
