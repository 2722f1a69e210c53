program lib_random;
{$i system.inc}
{ expected output worked out by hand }
{ The generator is Turbo Pascal's, so the numbers are known: dice rolls
  from randseed 0, a shuffle from randseed 42, and every number within
  its range. }
var
  k, roll, j, t: integer;
  deck: array[1..10] of integer;
  inrange: boolean;
begin
  for k := 1 to 12 do
  begin
    roll := random(6) + 1;
    write(roll, ' ');
  end;
  writeln;
  randseed := 42;
  for k := 1 to 10 do
    deck[k] := k;
  for k := 10 downto 2 do
  begin
    j := random(k) + 1;
    t := deck[k];
    deck[k] := deck[j];
    deck[j] := t;
  end;
  for k := 1 to 10 do
    write(deck[k], ' ');
  writeln;
  writeln(random(0), ' ', random(1), ' ', randseed);
  randomize;
  inrange := true;
  for k := 1 to 100 do
    if random(1000) >= 1000 then
      inrange := false;
  writeln(inrange);
end.
