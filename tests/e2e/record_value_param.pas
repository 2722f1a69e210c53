program record_value_param;
{$i system.inc}
{ Records and arrays larger than 4 bytes passed by value are the callee's
  own copies: its changes never reach the caller, also in recursion and
  next to other parameters. }
type
  big = record
    a: longint;
    b: word;
  end;
  row = array [1..5] of byte;
var r: big;
  v: row;
  i: byte;

procedure clobber(x: big);
begin
  x.a := 0;
  x.b := 0;
  writeln('inside ', x.a, ' ', x.b);
end;

function total(n: byte; x: row; k: byte): word;
var j: byte;
begin
  result := 0;
  for j := 1 to 5 do result := result + x[j];
  x[n] := 0;
  if n < 5 then result := result + total(n + 1, x, k);
  result := result + k;
end;

function bumped(x: big): big;
begin
  x.a := x.a + 1;
  result := x;
end;

begin
  r.a := 5;
  r.b := 6;
  clobber(r);
  writeln('outside ', r.a, ' ', r.b);
  for i := 1 to 5 do v[i] := i;
  writeln(total(1, v, 100));
  writeln(v[1], ' ', v[5]);
  r := bumped(bumped(r));
  writeln(r.a, ' ', r.b);
end.
