program str_func_compare;
{$i system.inc}
var s: string[10];
  c: char;

function name(k: byte): string;
begin
  if k = 1 then result := 'one' else result := 'many';
end;

begin
  if name(1) = 'one' then writeln('one ok');
  if name(2) <> 'one' then writeln('two ok');
  s := 'x';
  c := 'x';
  writeln(s = c, ' ', c = s, ' ', s < c);
  s := name(3) + name(1);
  writeln(s);
end.
