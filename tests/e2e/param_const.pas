program param_const;
{$i system.inc}
type
  pair = record
    a, b: word;
  end;
var p: pair;
  s: string[10];

function total(const q: pair): word;
begin
  result := q.a + q.b;
end;

procedure greet(const who: string; const times: byte);
var i: byte;
begin
  for i := 1 to times do write('hi ');
  writeln(who);
end;

begin
  p.a := 1000;
  p.b := 234;
  writeln(total(p));
  s := 'there';
  greet(s, 2);
  greet('all', 1);
end.
