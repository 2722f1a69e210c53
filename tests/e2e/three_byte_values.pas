program three_byte_values;
{$i system.inc}
{ Records and arrays of three bytes passed by value, returned from
  functions and assigned: no 1, 2 or 4-byte load holds them. }
type r3 = record a: byte; b: word; end;
  a3 = array [1..3] of byte;
var g, rr: r3;
  k: word;
  x, y: a3;

procedure p(v: r3);
begin
  k := v.b + v.a;
  v.b := 1;
end;

function mk(v: word): r3;
begin
  result.a := 7;
  result.b := v;
end;

function sum3(v: a3): word;
begin
  result := v[1] + v[2] + v[3];
  v[1] := 0;
end;

function rev(v: a3): a3;
begin
  result[1] := v[3];
  result[2] := v[2];
  result[3] := v[1];
end;

begin
  g.a := 3;
  g.b := 500;
  p(g);
  writeln(k, ' ', g.b);
  rr := mk(777);
  writeln(rr.b, ' ', rr.a);
  rr := g;
  writeln(rr.b, ' ', rr.a);
  x[1] := 10;
  x[2] := 20;
  x[3] := 30;
  writeln(sum3(x), ' ', x[1]);
  y := rev(x);
  writeln(y[1], ' ', y[2], ' ', y[3]);
  writeln(mk(42).b);
end.
