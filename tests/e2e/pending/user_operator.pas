program user_operator;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  An operator function named + gets the label +_NN, which the assembler
  rejects; with an alias it works (see user_operator_alias). }
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

begin
  a.x := 1;
  a.y := 2;
  b.x := 10;
  b.y := -20;
  c := a + b;
  writeln(c.x, ' ', c.y);
end.
