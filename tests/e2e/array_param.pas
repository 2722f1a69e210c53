program array_param;
{$i system.inc}
type
  vec = array [1..5] of smallint;
var v: vec;
  i: byte;

procedure fill(var a: vec; start: smallint);
var k: byte;
begin
  for k := 1 to 5 do a[k] := start + k;
end;

function sum(const a: vec): smallint;
var k: byte;
begin
  result := 0;
  for k := 1 to 5 do result := result + a[k];
end;

begin
  fill(v, -10);
  for i := 1 to 5 do write(v[i], ' ');
  writeln;
  writeln(sum(v));
end.
