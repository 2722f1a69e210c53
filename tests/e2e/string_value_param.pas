program string_value_param;
{$i system.inc}
{ Strings passed by value are the callee's own copies: assigning the
  parameter leaves the caller's string alone; constants, chars and
  longer strings for a shorter parameter are copied too. }
type
  short = string[4];
var s: string[20];
  c: char;

procedure change(t: string);
begin
  t := 'changed';
  writeln('inside ', t);
end;

procedure cut(t: short);
begin
  writeln('[', t, '] ', length(t));
  t := 'ab';
  writeln('[', t, ']');
end;

function shout(t: string): string;
begin
  t := t + '!';
  result := t;
end;

procedure countdown(t: string; n: byte);
begin
  t := t + char(48 + n);
  if n > 0 then countdown(t, n - 1);
  write(t, ' ');
end;

begin
  s := 'original';
  change(s);
  writeln('outside ', s);
  change('constant');
  c := 'q';
  change(c);
  writeln(c);
  cut(s);
  cut('xy');
  writeln(s);
  writeln(shout(s), ' ', s);
  countdown('', 3);
  writeln;
end.
