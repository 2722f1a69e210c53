program stmt_if;
{$i system.inc}
var a, b: byte;
  flag: boolean;
begin
  a := 3;
  b := 5;
  if a < b then writeln('a<b');
  if a > b then writeln('wrong');
  if a = 3 then
    writeln('then')
  else
    writeln('else');
  if a = 4 then
    writeln('then')
  else
    writeln('else');
  if a < b then
    if b < 4 then
      writeln('inner then')
    else
      writeln('inner else');
  flag := a <> b;
  if flag then writeln('flag');
  if not flag then writeln('wrong') else writeln('not flag is false');
  if (a < b) and (b < 10) then writeln('both');
  if (a > b) or (b = 5) then writeln('either');
  writeln('end');
end.
