program recursion_mutual;
{$i system.inc}

function isodd(n: word): boolean; forward;

function iseven(n: word): boolean;
begin
  if n = 0 then
    result := true
  else
    result := isodd(n - 1);
end;

function isodd(n: word): boolean;
begin
  if n = 0 then
    result := false
  else
    result := iseven(n - 1);
end;

begin
  writeln(iseven(10), ' ', isodd(10), ' ', iseven(7), ' ', isodd(7));
  writeln(iseven(0), ' ', isodd(101));
end.
