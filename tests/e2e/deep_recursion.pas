program deep_recursion;
{$i system.inc}

function depth(n: word): word;
var pad: array [1..20] of byte;
begin
  pad[1] := n;
  if n = 0 then result := 0 else result := depth(n - 1) + 1;
  if pad[1] <> n then result := 9999;
end;

function sum(n: longint): longint;
begin
  if n = 0 then result := 0 else result := n + sum(n - 1);
end;

begin
  writeln(depth(200));
  writeln(sum(300));
end.
