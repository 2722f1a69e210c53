program arrays;

{ Addresses: array elements of 1, 2 and 4 bytes, two indices, records,
  pointers, and stores through an address. }
{$i io.inc}

type
  point = record
    x, y: word;
    tag: byte;
  end;
  ppoint = ^point;

var
  bytes: array [0..9] of byte;
  words: array [1..5] of word;
  longs: array [0..3] of longint;
  grid: array [1..3, 1..4] of byte;
  pt: point;
  pp: ppoint;
  i, j: byte;

begin
  for i := 0 to 9 do
    bytes[i] := i * 3;
  writeln(bytes[0], bytes[4], bytes[9]);
  bytes[2] := 77;
  bytes[3] := bytes[2];
  writeln(bytes[3]);
  for i := 1 to 5 do
    words[i] := 1000 + i;
  writeln(words[1], words[5]);
  longs[2] := -123456;
  longs[3] := longs[2] - 1;
  writeln(longs[2], longs[3]);
  for i := 1 to 3 do
    for j := 1 to 4 do
      grid[i, j] := i * 10 + j;
  writeln(grid[1, 1], grid[2, 3], grid[3, 4]);
  pt.x := 11;
  pt.y := 22;
  pt.tag := 33;
  writeln(pt.x, pt.y, pt.tag);
  pp := @pt;
  pp^.y := pp^.x + 100;
  pp^.tag := 44;
  writeln(pt.y, pp^.tag);
end.
