program calls;

{ Subroutines: value and var parameters in 4-byte slots, function results
  in __reg32a, a record result passed by address, globals and an enclosing
  subroutine's variables through parent frames, and far frame offsets. }
{$i io.inc}

type
  pair = record
    a, b: longint;
  end;

var
  g: byte;
  total: word;

procedure bump(var x: byte; by: byte);
begin
  x := x + by;
  x := x + 1;
end;

function twice(w: word): word;
begin
  result := w + w;
end;

function negate(v: smallint): longint;
begin
  result := -v;
end;

function makepair(x: longint): pair;
begin
  result.a := x;
  result.b := x + 1;
end;

procedure outer(n: byte);
var
  big: array [0..199] of byte;
  k: byte;

  procedure inner;
  begin
    k := k + n;
    big[150] := k;
    total := total + k;
  end;

begin
  k := 1;
  inner;
  inner;
  writeln(k, big[150], total);
end;

{ 140 bytes of words first, so the last two variables lie beyond (ix-125). }
procedure farvars;
var
  a0, a1, a2, a3, a4, a5, a6, a7, a8, a9: word;
  b0, b1, b2, b3, b4, b5, b6, b7, b8, b9: word;
  c0, c1, c2, c3, c4, c5, c6, c7, c8, c9: word;
  d0, d1, d2, d3, d4, d5, d6, d7, d8, d9: word;
  e0, e1, e2, e3, e4, e5, e6, e7, e8, e9: word;
  f0, f1, f2, f3, f4, f5, f6, f7, f8, f9: word;
  g0, g1, g2, g3, g4, g5, g6, g7, g8, g9: word;
  fb: byte;
  fw: word;
begin
  fb := 40;
  fb := fb + 1;
  fw := 1000;
  fw := fw + fb;
  fw := fw - fb;
  fb := fb - 1;
  writeln(fb, fw);
end;

var
  s: shortint;

begin
  g := 5;
  bump(g, 10);
  writeln(g);
  total := twice(21);
  writeln(total);
  s := -4;
  writeln(negate(s), twice(g));
  writeln(makepair(-9).a, makepair(40).b);
  total := 0;
  outer(3);
  farvars;
end.
