program char_literal_arg;
{$i system.inc}
{ One-character string literals passed for char parameters: by value,
  as const, several in one call, and mixed with other arguments. }

procedure show(c: char);
begin
  writeln(c);
end;

procedure repeated(c: char; n: byte);
var i: byte;
begin
  for i := 1 to n do write(c);
  writeln;
end;

procedure move(n: byte; src, dst, via: char);
begin
  if n > 0 then
  begin
    move(n - 1, src, via, dst);
    writeln(n, ' ', src, '>', dst);
    move(n - 1, via, dst, src);
  end;
end;

function isvowel(const c: char): boolean;
begin
  result := (c = 'a') or (c = 'e') or (c = 'i') or (c = 'o') or (c = 'u');
end;

begin
  show('x');
  repeated('*', 5);
  move(2, 'A', 'C', 'B');
  writeln(isvowel('e'), ' ', isvowel('z'));
end.
