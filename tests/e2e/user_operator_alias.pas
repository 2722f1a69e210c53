program user_operator_alias;
{$i system.inc}
{ expected output worked out by hand }
type
  vec = record
    x, y: smallint;
  end;
var a, b, c: vec;

function +(p, q: vec): vec; operator; [alias: 'vec_add'];
begin
  result.x := p.x + q.x;
  result.y := p.y + q.y;
end;

begin
  a.x := 1;
  a.y := 2;
  b.x := 10;
  b.y := -20;
  c := a + b;
  writeln(c.x, ' ', c.y);
end.
