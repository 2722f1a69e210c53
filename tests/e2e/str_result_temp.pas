program str_result_temp;
{$i system.inc}
var s: string[30];

function twice(const t: string): string;
begin
  result := t + t;
end;

begin
  s := twice('ab') + twice('cd');
  writeln(s);
  writeln(twice(twice('x')));
end.
