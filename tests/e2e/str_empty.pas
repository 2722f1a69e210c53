program str_empty;
{$i system.inc}
var s: string[10];
begin
  s := 'abc';
  s := '';
  writeln(length(s));
  s := s + 'x';
  writeln(s);
  writeln('');
  writeln('[', '', ']');
end.
