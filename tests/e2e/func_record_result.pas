program func_record_result;
{$i system.inc}
type
  triple = record
    a: longint;
    b: word;
    c: char;
  end;
var t, u: triple;

function make(a: longint; b: word): triple;
begin
  result.a := a;
  result.b := b;
  result.c := 'm';
end;

function bigger(const x: triple): triple;
begin
  result := x;
  result.a := result.a * 10;
  result.b := result.b + 1;
end;

begin
  t := make(-123456, 65000);
  writeln(t.a, ' ', t.b, ' ', t.c);
  u := bigger(t);
  writeln(u.a, ' ', u.b, ' ', u.c);
  writeln(bigger(make(7, 8)).a);
end.
