program record_basic;
{$i system.inc}
type
  point = record
    x, y: smallint;
  end;
  person = record
    age: byte;
    id: longword;
    name: string[15];
    ok: boolean;
  end;
var p, q: point;
  r: person;
begin
  p.x := 3;
  p.y := -4;
  q.x := p.x * 2;
  q.y := p.y - 1;
  writeln(p.x, ',', p.y, ' ', q.x, ',', q.y);
  r.age := 42;
  r.id := 4000000000;
  r.name := 'Ada';
  r.ok := r.age > 18;
  writeln(r.name, ' ', r.age, ' ', r.id, ' ', r.ok);
  r.name := r.name + ' L.';
  writeln(r.name);
end.
