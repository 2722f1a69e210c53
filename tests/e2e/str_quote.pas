program str_quote;
{$i system.inc}
{ Doubled quotes and #nn character codes in string literals stand for
  their characters: in writes, assignments, lengths, comparisons, and as
  one-character values where a char is wanted. }
var s: string[20];
  c: char;
  n: byte;
begin
  writeln('it''s');
  write('a'#13#10);
  writeln(#65, #66'C', 'd'#69);
  s := 'don''t';
  writeln(s, ' ', length(s));
  writeln(length('a'#9'b'), ' ', length(''''), ' ', length(#0));
  c := '''';
  writeln('[', c, ']');
  c := #90;
  writeln(c);
  if s = 'don''t' then writeln('equal');
  if c = #90 then writeln('char equal');
  n := 0;
  for c := #97 to 'e' do n := n + 1;
  writeln(n);
  case s[4] of
    '''': writeln('quote');
    'x': writeln('x');
  end;
  s := 'x' + '''' + #89;
  writeln(s);
end.
