program char_literal_case;
{$i system.inc}
var c: char;
begin
  c := 'b';
  case c of
    'a': writeln('a');
    'b': writeln('b');
  else
    writeln('other');
  end;
end.
