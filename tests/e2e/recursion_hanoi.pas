program recursion_hanoi;
{$i system.inc}
var moves: word;

procedure hanoi(n: byte; src, dst, via: char);
begin
  if n > 0 then
  begin
    hanoi(n - 1, src, via, dst);
    moves := moves + 1;
    if n = 3 then writeln('disk 3 ', src, '->', dst);
    hanoi(n - 1, via, dst, src);
  end;
end;

begin
  moves := 0;
  hanoi(3, char(65), char(67), char(66));
  writeln(moves);
  moves := 0;
  hanoi(10, char(65), char(67), char(66));
  writeln(moves);
end.
