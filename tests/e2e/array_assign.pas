program array_assign;
{$i system.inc}
{ Whole arrays assigned to arrays of the same type are copied: one and
  two dimensions, arrays of 2 and 4 bytes, through a var parameter, into
  a record field and an array element. }
type
  vec = array [1..6] of word;
  grid = array [0..2, 0..2] of byte;
  pair = array [1..2] of byte;
  duo = array [0..1] of word;
  holder = record
    tag: byte;
    v: vec;
  end;
var a, b: vec;
  g, h: grid;
  p, q: pair;
  d, e: duo;
  r: holder;
  rows: array [1..2] of pair;
  i, j: byte;

procedure fill(var x: vec; const y: vec);
begin
  x := y;
end;

begin
  for i := 1 to 6 do a[i] := i * 1000;
  b := a;
  a[1] := 7;
  for i := 1 to 6 do write(b[i], ' ');
  writeln;
  writeln(a[1], ' ', b[1]);
  for i := 0 to 2 do
    for j := 0 to 2 do
      g[i, j] := i * 3 + j;
  h := g;
  g[2, 2] := 0;
  writeln(h[2, 2], ' ', h[1, 0], ' ', g[2, 2]);
  p[1] := 11;
  p[2] := 22;
  q := p;
  p[1] := 0;
  writeln(q[1], ' ', q[2], ' ', p[1]);
  d[0] := 1234;
  d[1] := 5678;
  e := d;
  d[1] := 0;
  writeln(e[0], ' ', e[1], ' ', d[1]);
  fill(b, a);
  writeln(b[1], ' ', b[6]);
  r.tag := 9;
  r.v := a;
  writeln(r.tag, ' ', r.v[1], ' ', r.v[2]);
  rows[2] := q;
  writeln(rows[2][1], ' ', rows[2][2]);
end.
