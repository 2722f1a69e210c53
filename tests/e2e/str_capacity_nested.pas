program str_capacity_nested;
{$i system.inc}
{$P+}
{ A var string parameter passed on, and reached from a nested subroutine,
  keeps the capacity of the caller's variable ({$P+}: Free Pascal too). }
var a: string[4]; b: string[8]; c: char;
procedure outer(var s: string);
  procedure inner;
  begin
    s := 'nested-long-text';
  end;
  procedure inner2(var t: string);
  begin
    t := t + '++++++++++';
  end;
begin
  inner;
  inner2(s);
  writeln(s);
  s := c;
end;
function f(var s: string): string;
begin
  s := 'abcdefghijkl';
  result := s + s;
end;
begin
  c := 'q';
  outer(a);
  writeln(a, '|', b);
  b := 'x';
  outer(b);
  writeln(a, '|', b);
  writeln(f(a), '|', a);
  writeln(f(b), '|', b);
end.
