{ stack_frames.pas: small subroutines of byte, word and smallint values,
  var parameters, locals of odd and large sizes, loops, exit and
  recursion, calling each other (and the library's write) with arguments
  computed from calls, and passing their locals' addresses on.  Expected
  output from Free Pascal. }
program stack_frames;
{$i system.inc}
var
  g, h: word;
  s: smallint;
  b: byte;

function gcd(a, b: word): word;
var
  t: word;
begin
  while b <> 0 do
  begin
    t := b;
    b := a mod b;
    a := t;
  end;
  gcd := a;
end;

function clampb(x, lo, hi: byte): byte;
begin
  if x < lo then
    clampb := lo
  else if x > hi then
    clampb := hi
  else
    clampb := x;
end;

procedure swapw(var a, b: word);
var
  t: word;
begin
  t := a;
  a := b;
  b := t;
end;

procedure bump(var v: byte);
begin
  v := v + 3;
end;

function sum5(a, b, c, d, e: word): word;
var
  x1, x2, x3, x4: word;
  odd1: byte;
begin
  x1 := a + b;
  x2 := x1 + c;
  x3 := x2 + d;
  x4 := x3 + e;
  odd1 := x4 and 255;
  sum5 := x4 + odd1;
end;

function oddlocal(x: byte): byte;
var
  y: byte;
begin
  y := x xor 85;
  bump(y);
  oddlocal := y;
end;

function depth(n: word): word;
var
  t: word;
begin
  if n = 0 then
    depth := 0
  else
  begin
    t := depth(n - 1);
    depth := t + 1;
  end;
end;

function firstsquare(n: word): word;
var
  i: word;
begin
  firstsquare := 0;
  for i := 1 to n do
    if i * i > n then
      exit(i);
end;

function iseven(w: word): boolean;
begin
  iseven := (w and 1) = 0;
end;

function signedmid(a, b: smallint): smallint;
begin
  if a > b then
    signedmid := b + (a - b) div 2
  else
    signedmid := a + (b - a) div 2;
end;

procedure showsigned(v: smallint);
begin
  write(v);
end;

procedure shownext(v: smallint);
begin
  showsigned(v + 1);
end;

function big(a: word): word;
var
  x1, x2, x3, x4: word;
begin
  x4 := a + 1;
  big := x4;
end;

function mixed(a: word; b: byte; c: smallint): word;
begin
  mixed := gcd(a, b) + clampb(b, 10, 20) * depth(a mod 7) + word(signedmid(c, -c));
end;

function countdown(n: byte): byte;
var
  k: byte;
begin
  k := 0;
  repeat
    n := n - 1;
    k := k + 1;
    if k > 100 then
      break;
  until n = 0;
  countdown := k;
end;

begin
  writeln(gcd(1071, 462));
  writeln(gcd(65535, 255));
  writeln(clampb(5, 10, 20), ' ', clampb(15, 10, 20), ' ', clampb(25, 10, 20));
  g := 7;
  h := 9;
  swapw(g, h);
  writeln(g, ' ', h);
  b := 250;
  bump(b);
  writeln(b);
  writeln(sum5(1, 2, 3, 4, 60000));
  writeln(oddlocal(200), ' ', oddlocal(0));
  writeln(depth(300));
  writeln(firstsquare(50), ' ', firstsquare(0));
  writeln(iseven(10), ' ', iseven(7));
  writeln(signedmid(-30000, 30000), ' ', signedmid(100, -7));
  showsigned(-32768);
  write(' ');
  showsigned(12345);
  write(' ');
  shownext(-1);
  write(' ');
  shownext(-32767);
  writeln;
  writeln(big(65535), ' ', big(41));
  writeln(mixed(100, 15, -999));
  writeln(mixed(12, 30, 32767));
  writeln(countdown(5), ' ', countdown(0));
  s := signedmid(gcd(12, 18), -depth(gcd(40, 100)));
  writeln(s);
end.
