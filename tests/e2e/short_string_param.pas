program short_string_param;
{$i system.inc}
{ Strings of up to 3 characters passed by value: variables of the same and
  of other sizes, and constants. }
type
  tiny = string[3];
var s: tiny;
  t: string[10];

procedure show(y: tiny);
begin
  writeln('[', y, '] ', length(y));
  y := 'zz';
end;

begin
  s := 'abc';
  show(s);
  writeln(s);
  t := 'xy';
  show(t);
  show('q');
  show('');
  t := 'longer';
  show(t);
end.
