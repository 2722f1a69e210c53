program enum_array;
{$i system.inc}
type
  day = (mon, tue, wed, thu, fri);
var hours: array [day] of byte;
  d: day;
  total: word;
begin
  for d := mon to fri do hours[d] := byte(d) * 2 + 1;
  total := 0;
  for d := mon to fri do total := total + hours[d];
  writeln(total, ' ', hours[wed], ' ', hours[fri]);
end.
