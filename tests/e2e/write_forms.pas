program write_forms;
{$i system.inc}
var i: byte;
begin
  write('a');
  write('b', 'c');
  writeln;
  writeln;
  writeln('line');
  writeln('new', ' ', 'write', ' ', 'writeln');
  writeln(1, 2, 3);
  writeln(0);
  writeln(255, ' ', 65535, ' ', 4294967295);
  writeln(-128, ' ', -32768, ' ', -2147483647);
  for i := 1 to 3 do
  begin
    write(i);
    if i < 3 then write(',');
  end;
  writeln;
end.
