program lib_read_bad_number;
{$i system.inc}
{ Reading a number where the input holds none stops the program with
  run-time error 106; the numbers before it are read. }
var
  n, total: integer;
begin
  total := 0;
  while not eof do
  begin
    read(n);
    inc(total, n);
    writeln('read ', n, ', total ', total);
  end;
  writeln('not reached');
end.
