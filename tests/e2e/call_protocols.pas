{ call_protocols.pas: subroutines of every kind of parameter and result
  calling each other: byte, word, longint and boolean values, var and
  const parameters, nested routines reaching their parent's parameters and
  locals, recursion with locals, exit with and without a value, results
  assigned on some ways only, and loops left by break and continue.
  Expected output from Free Pascal. }
program call_protocols;
{$i system.inc}
type
  pair = record
    x, y: word;
  end;
var
  g: word;
  total: longint;
  p: pair;
  k: byte;

function mix(a: byte; b: word; c: longint; d: boolean): longint;
begin
  if d then
    mix := a + b + c
  else
    mix := c - a - b;
end;

function smaller(a, b: smallint): smallint;
begin
  if a < b then
    exit(a);
  smaller := b;
end;

function firstodd(n: word): word;
var
  i: word;
begin
  firstodd := 0;
  for i := 1 to n do
    if i mod 2 = 1 then
    begin
      firstodd := i;
      exit;
    end;
end;

procedure scale(var v: word; const by: byte);
begin
  v := v * by;
end;

procedure addto(var r: pair; dx, dy: word);
begin
  r.x := r.x + dx;
  r.y := r.y + dy;
end;

function outer(n: byte): word;
var
  acc: word;

  procedure step(m: byte);
  begin
    acc := acc + m * n;
    if m > 1 then
      step(m - 1);
  end;

begin
  acc := 0;
  step(n);
  outer := acc;
end;

function digits(n: longint): byte;
var
  count: byte;
begin
  count := 1;
  while n >= 10 do
  begin
    n := n div 10;
    count := count + 1;
  end;
  digits := count;
end;

function sumto(n: word): word;
var
  here: word;
begin
  here := n;
  if n = 0 then
    sumto := 0
  else
    sumto := here + sumto(n - 1);
end;

function sign(x: smallint): shortint;
begin
  if x > 0 then
    result := 1
  else if x < 0 then
    result := -1
  else
    result := 0;
end;

function iseven(x: word): boolean;
begin
  iseven := x and 1 = 0;
end;

function skipping(n: word): word;
var
  i, s: word;
begin
  s := 0;
  i := 0;
  while i < n do
  begin
    i := i + 1;
    if i = 3 then
      continue;
    if i > 7 then
      break;
    s := s + i;
  end;
  skipping := s;
end;

begin
  writeln(mix(200, 60000, 100000, true), ' ', mix(1, 2, 3, false));
  writeln(smaller(-5, 3), ' ', smaller(7, -2), ' ', firstodd(10), ' ', firstodd(0));
  g := 300;
  scale(g, 200);
  p.x := 1;
  p.y := 2;
  addto(p, 10, 65535);
  writeln(g, ' ', p.x, ' ', p.y);
  writeln(outer(5), ' ', outer(1), ' ', digits(0), ' ', digits(1234567890));
  writeln(sumto(100), ' ', sign(-300), ' ', sign(0), ' ', sign(12));
  total := 0;
  for k := 0 to 20 do
    if iseven(k) then
      total := total + k * k;
  writeln(total, ' ', skipping(100), ' ', skipping(2), ' ', iseven(65535));
end.
