program param_big_value;
{$i system.inc}
type
  rec = record
    a: longint;
    b: word;
    c: char;
  end;
var r: rec;
  s: string[20];

procedure show(before: byte; x: rec; t: string; after: word);
begin
  write(before, ' ', x.a, ' ', x.b, ' ');
  writeln(x.c, ' ', t, ' ', after);
end;

function sumrec(x: rec; y: rec): longint;
begin
  result := x.a + y.a + x.b + y.b;
end;

begin
  r.a := -77777;
  r.b := 512;
  r.c := 'q';
  s := 'middle';
  show(1, r, s, 65000);
  show(2, r, 'literal', 3);
  writeln(sumrec(r, r));
end.
