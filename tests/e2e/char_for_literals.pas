program char_for_literals;
{$i system.inc}
var c: char;
begin
  for c := 'a' to 'e' do write(c);
  writeln;
end.
