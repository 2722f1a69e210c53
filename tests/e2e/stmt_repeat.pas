program stmt_repeat;
{$i system.inc}
var i: byte;
  p: longint;
begin
  i := 0;
  repeat
    i := i + 1;
    write(i, ' ');
  until i = 5;
  writeln;
  i := 10;
  repeat
    i := i + 1;
  until true;
  writeln('once: ', i);
  p := 1;
  repeat
    p := p * 3;
  until p > 100000;
  writeln(p);
end.
