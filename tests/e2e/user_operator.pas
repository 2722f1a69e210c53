program user_operator;
{$i system.inc}
{ Operator functions without an alias: their labels spell the operator
  (the operator text itself is no label the assembler takes). }
{ expected output worked out by hand }
type
  vec = record
    x, y: smallint;
  end;
var a, b, c: vec;

function +(p, q: vec): vec; operator;
begin
  result.x := p.x + q.x;
  result.y := p.y + q.y;
end;

function -(p, q: vec): vec; operator;
begin
  result.x := p.x - q.x;
  result.y := p.y - q.y;
end;

function =(p, q: vec): boolean; operator;
begin
  result := (p.x = q.x) and (p.y = q.y);
end;

function <(p, q: vec): boolean; operator;
begin
  result := p.x * p.x + p.y * p.y < q.x * q.x + q.y * q.y;
end;

begin
  a.x := 1;
  a.y := 2;
  b.x := 10;
  b.y := -20;
  c := a + b;
  writeln(c.x, ' ', c.y);
  c := c - a;
  writeln(c.x, ' ', c.y);
  writeln(c = b, ' ', c = a);
  writeln(a < b, ' ', b < a);
end.
