program lib_sum_input;
{$i system.inc}
{ Reads a count and then that many numbers, several on a line, and
  prints their sum, smallest, largest and mean; then a name and an age
  on lines of their own. }
var
  n, i, x, smallest, largest: integer;
  total: longint;
  name: string[20];
  age: byte;
begin
  read(n);
  total := 0;
  smallest := maxint;
  largest := -maxint;
  for i := 1 to n do
  begin
    read(x);
    total := total + x;
    if x < smallest then
      smallest := x;
    if x > largest then
      largest := x;
  end;
  readln;
  writeln('count ', n, ', sum ', total);
  writeln('smallest ', smallest, ', largest ', largest, ', mean ', total div n);
  readln(name);
  readln(age);
  writeln('Hello ', name, ', next year you are ', age + 1, '.');
  writeln('at the end: ', eof);
  x := 5;
  read(x);
  writeln('a number past the end: ', x);
end.
