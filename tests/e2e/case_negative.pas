program case_negative;
{$i system.inc}
var s: shortint;
begin
  for s := -2 to 1 do
    case s of
      -2: writeln('minus two');
      -1: writeln('minus one');
      0: writeln('zero');
    else
      writeln('other');
    end;
end.
