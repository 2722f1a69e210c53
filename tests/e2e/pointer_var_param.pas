program pointer_var_param;
{$i system.inc}
type
  pint = ^smallint;
var x, y: smallint;
  p: pint;

procedure point_at(var q: pint; var target: smallint);
begin
  q := @target;
end;

procedure bump(q: pint);
begin
  q^ := q^ + 10;
end;

begin
  x := 1;
  y := 2;
  point_at(p, x);
  bump(p);
  point_at(p, y);
  bump(p);
  bump(p);
  writeln(x, ' ', y);
end.
