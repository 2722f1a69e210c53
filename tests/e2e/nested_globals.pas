program nested_globals;
{$i system.inc}
var total: longint;
  calls: byte;

procedure outer(k: longint);
var local: longint;

  procedure inner;
  begin
    total := total + local;
    calls := calls + 1;
  end;

  procedure twice;
  begin
    inner;
    inner;
  end;

begin
  local := k * 2;
  twice;
end;

begin
  total := 0;
  calls := 0;
  outer(10);
  outer(-3);
  writeln(total, ' ', calls);
end.
