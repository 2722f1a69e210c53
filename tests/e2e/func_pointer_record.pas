program func_pointer_record;
{$i system.inc}
type
  pt = record
    x, y: smallint;
  end;
  ppt = ^pt;
var a: pt;
  p: ppt;

function first(q: ppt): ppt;
begin
  result := q;
end;

function make(x, y: smallint): pt;
begin
  result.x := x;
  result.y := y;
end;

begin
  a.x := 5;
  a.y := 6;
  p := first(@a);
  writeln(p^.x, ' ', p^.y);
  a := make(-1, 2);
  writeln(a.x, ' ', a.y);
end.
