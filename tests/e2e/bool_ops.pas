program bool_ops;
{$i system.inc}
var a, b, r: boolean;
  x: byte;

procedure table(p, q: boolean);
begin
  write(p and q, ' ', p or q, ' ');
  writeln(p xor q, ' ', not p, ' ', p = q, ' ', p <> q);
end;

begin
  table(false, false);
  table(false, true);
  table(true, false);
  table(true, true);
  x := 5;
  a := x > 3;
  b := x > 7;
  r := a and not b;
  writeln(a, ' ', b, ' ', r);
  r := (x = 5) or (x = 6);
  writeln(r);
  r := not (a or b);
  writeln(r);
  if a and (b = false) then writeln('a and not b');
  if not (x > 7) then writeln('not above 7');
  if not (x < 7) then writeln('wrong') else writeln('below 7');
  while b do b := false;
  a := true;
  writeln(a, ' ', false);
end.
