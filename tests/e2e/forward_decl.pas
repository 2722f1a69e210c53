program forward_decl;
{$i system.inc}

procedure second(n: byte); forward;
function third(x: word): word; forward;

procedure first(n: byte);
begin
  writeln('first ', n);
  if n > 0 then second(n - 1);
end;

procedure second(n: byte);
begin
  writeln('second ', n);
  if n > 0 then first(n - 1);
end;

function third(x: word): word;
begin
  result := x + 3;
end;

begin
  first(3);
  writeln(third(39));
end.
