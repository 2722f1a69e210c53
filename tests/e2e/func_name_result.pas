program func_name_result;
{$i system.inc}
type
  pword = ^word;
  pnode = ^node;
  node = record
    value: word;
    next: pnode;
  end;
var
  w: word;
  n1, n2: node;
  p: pnode;
  pw: pword;
  depth: byte;

function three: word;
begin
  three := 3;
end;

function square(x: word): longint;
begin
  square := longint(x) * x;
end;

function sign(x: longint): shortint;
begin
  if x < 0 then
    sign := -1
  else if x = 0 then
    sign := 0
  else
    sign := 1;
end;

function countdown: word;
begin
  countdown := 0;
  if depth > 0 then
  begin
    depth := depth - 1;
    countdown := countdown() + 10;
  end;
  countdown := countdown + 1;
end;

function pair(a, b: byte): node;
begin
  pair.value := a * 256 + b;
  pair.next := nil;
end;

function shout(const s: string): string;
begin
  shout := s;
  shout[1] := 'H';
  shout[length(s)] := '!';
end;

function bump: pword;
begin
  bump := @w;
  bump^ := bump^ + 100;
end;

function greeting(const who: string): string;
begin
  greeting := 'hello ' + who;
end;

function isodd(x: byte): boolean;
begin
  isodd := x mod 2 = 1;
end;

function firstupper(const s: string): char;
var i: byte;
begin
  firstupper := '-';
  for i := length(s) downto 1 do
    if (s[i] >= 'A') and (s[i] <= 'Z') then
      firstupper := s[i];
end;

function outer(x: word): word;
  procedure setit(y: word);
  begin
    outer := y * 2;
  end;
  function inner(z: word): word;
  begin
    inner := z + 1;
    outer := outer + inner;
  end;
begin
  setit(x);
  w := inner(x);
end;

function sum(n: byte): word;
begin
  if n = 0 then
    sum := 0
  else
    sum := n + sum(n - 1);
end;

function count(p: pnode): byte;
begin
  count := 0;
  while p <> nil do
  begin
    count := count + 1;
    p := p^.next;
  end;
end;

procedure show(p: pword);
begin
  if p = nil then
    writeln('show: nil')
  else
    writeln('show: ', p^);
end;

procedure showconst(const p: pnode);
begin
  if nil = p then
    writeln('showconst: nil')
  else
    writeln('showconst: ', p^.value);
end;

begin
  writeln(three);
  writeln(square(300));
  writeln(sign(-5), ' ', sign(0), ' ', sign(7));
  writeln(greeting('world'));
  depth := 3;
  writeln(countdown, ' ', depth);
  n1 := pair(1, 2);
  writeln(n1.value, ' ', n1.next = nil);
  writeln(shout('hello.'));
  w := 5;
  writeln(bump^, ' ', w);
  writeln(isodd(3), ' ', isodd(4));
  writeln(firstupper('abCdEf'), firstupper('none'));
  writeln(outer(10), ' ', w);
  writeln(sum(10));
  n1.value := 1;
  n1.next := @n2;
  n2.value := 2;
  n2.next := nil;
  writeln(count(@n1), ' ', count(nil));
  show(nil);
  w := 77;
  pw := @w;
  show(pw);
  showconst(nil);
  showconst(@n2);
  p := nil;
  if nil = p then writeln('p is nil');
  p := @n1;
  if nil <> p then writeln('p is set');
  if p^.next^.next = nil then writeln('end of list');
end.
