program unary_plus;
{$i system.inc}
var b: byte; w: word; i: smallint; l: longint;
begin
  b := +200;
  w := +b + 1;
  i := -5;
  l := +i * +3;
  writeln(b, ' ', w, ' ', +i, ' ', l);
  writeln(+(b - 100), ' ', - +i, ' ', 10 - +3, ' ', +70000);
  if +i < 0 then writeln('negative');
end.
