program str_assign;
{$i system.inc}
var s: string[30];
  t: string;
  u: string[5];
begin
  s := 'first';
  writeln(s);
  t := s;
  writeln(t);
  s := 'second value';
  writeln(s, ' / ', t);
  u := 'abc';
  writeln(u);
  s := u;
  writeln(s, ' ', length(s));
  writeln('literal');
  write('no line end');
  writeln;
  t := 'a longer string of characters that keeps going';
  writeln(t);
  writeln(length(t));
end.
