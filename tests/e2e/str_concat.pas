program str_concat;
{$i system.inc}
var a, b, c: string[60];
begin
  a := 'foo';
  b := 'bar';
  c := a + b;
  writeln(c);
  c := a + ' ' + b + '!';
  writeln(c);
  c := c + c;
  writeln(c);
  writeln(length(c));
  a := '';
  c := a + b;
  writeln(c);
  c := 'x' + 'y';
  writeln(c);
  writeln(a + b + a);
end.
