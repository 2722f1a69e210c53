program lib_sort;
{$i system.inc}
{ Shell sort and insertion sort of numbers made by a small generator of
  the program's own, with inc and dec on the indices. }
const
  count = 40;
var
  a, b: array[1..count] of integer;
  seed: longint;
  i, j, gap, x: integer;

function next_number: integer;
begin
  seed := (seed * 1103 + 12345) mod 65536;
  result := seed mod 1000 - 500;
end;

procedure print(const title: string);
var k: integer;
begin
  write(title);
  for k := 1 to count do
  begin
    write(' ', a[k]);
    if k mod 20 = 0 then
      writeln;
  end;
end;

begin
  seed := 7;
  for i := 1 to count do
  begin
    a[i] := next_number;
    b[i] := a[i];
  end;
  print('data:');
  gap := count div 2;
  while gap > 0 do
  begin
    i := gap;
    while i < count do
    begin
      inc(i);
      x := a[i];
      j := i;
      while (j > gap) and (a[j - gap] > x) do
      begin
        a[j] := a[j - gap];
        dec(j, gap);
      end;
      a[j] := x;
    end;
    gap := gap div 2;
  end;
  print('shell:');
  for i := 2 to count do
  begin
    x := b[i];
    j := i;
    while (j > 1) and (b[j - 1] < x) do
    begin
      b[j] := b[j - 1];
      dec(j);
    end;
    b[j] := x;
  end;
  j := 0;
  for i := 1 to count do
    if a[i] <> b[count + 1 - i] then
      inc(j);
  writeln('mismatches: ', j, ', median ', a[count div 2], ', odd ones:');
  j := 0;
  for i := 1 to count do
    if odd(a[i]) then
      inc(j);
  writeln(j);
end.
