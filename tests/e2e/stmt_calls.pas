program stmt_calls;
{$i system.inc}
var count: byte;

procedure tick;
begin
  count := count + 1;
end;

procedure twice;
begin
  tick;
  tick;
end;

procedure hello();
begin
  writeln('hello ', count);
end;

begin
  count := 0;
  tick;
  twice;
  twice();
  hello;
  hello();
end.
