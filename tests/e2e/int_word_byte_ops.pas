program int_word_byte_ops;
{$i system.inc}
var w: word;
  b: byte;

function f(x: word): word;
begin
  result := x * 10;
end;

procedure viaref(var v: byte; var total: byte);
var t: byte;
begin
  t := 100;
  total := t + v;
  t := t - v;
  writeln(total, ' ', t);
end;

procedure far;
var pad: array [1..150] of byte;
  near1: word;
  farb: byte;
  r: word;
begin
  pad[1] := 0;
  farb := 44;
  near1 := 1000;
  r := near1 + farb;
  writeln(r, ' ', pad[1]);
  r := near1 - farb;
  writeln(r);
end;

var tot: byte;
begin
  b := 7;
  w := f(30) + b;
  writeln(w);
  w := f(30) - b;
  writeln(w);
  viaref(b, tot);
  writeln(tot);
  far;
end.
