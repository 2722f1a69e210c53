program divzero_shortint_mod;
{$i system.inc}
{ mod of one-byte signed values by zero stops the program with run-time
  error 200, after the output so far. }
var
  a, d: shortint;
  u, v: byte;
begin
  a := -7;
  d := 2;
  u := 200;
  v := 9;
  writeln(a mod d, ' ', a div d, ' ', u div v, ' ', u mod v);
  d := 0;
  writeln(a mod d);
  writeln('not reached');
end.
