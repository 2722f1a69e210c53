program ext_exit_break_continue;
{$i system.inc}
{ exit leaves the subroutine (a function returns what result holds, or
  the value of exit(value)); break and continue act on the innermost for,
  while or repeat loop. }
type
  tcells = array [1..8] of byte;
var
  cells: tcells;
  i, j, n, total: byte;
  k: smallint;
  w: word;

function firstabove(limit: byte): byte;
var p: byte;
begin
  result := 0;
  for p := 1 to 8 do
    if cells[p] > limit then begin
      result := p;
      exit;
    end;
  result := 255;
end;

function sign(v: smallint): shortint;
begin
  result := 0;
  if v = 0 then exit;
  result := 1;
  if v > 0 then exit;
  result := -1;
end;

procedure report(b: boolean);
begin
  write('report ');
  if b then begin
    writeln('early');
    exit;
  end;
  writeln('late');
end;

{ exit from inside nested loops and a case statement }
function search(target: word): word;
var a, b: byte;
begin
  result := 0;
  for a := 1 to 20 do begin
    b := 0;
    while b < 20 do begin
      b := b + 1;
      case a of
        3: continue;
      end;
      if word(a) * b = target then begin
        result := a * 100 + b;
        exit;
      end;
    end;
  end;
end;

function classify(v: smallint): string;
begin
  if v < 0 then exit('negative');
  if v = 0 then exit('zero' + '!');
  result := 'positive';
end;

function half(v: longint): longint;
begin
  if v mod 2 = 0 then
    exit(v div 2);
  exit(-1);
  result := 7;
end;

function isdigit(c: char): boolean;
begin
  exit((c >= '0') and (c <= '9'));
end;

function countdown(from: byte): word;
begin
  result := 0;
  repeat
    result := result + from;
    from := from - 1;
    if from = 3 then exit;
  until from = 0;
end;

begin
  for i := 1 to 8 do
    cells[i] := i * 3;
  writeln(firstabove(10), ' ', firstabove(23), ' ', firstabove(24));
  writeln(sign(-7), ' ', sign(0), ' ', sign(300));
  report(true);
  report(false);
  writeln(search(36), ' ', search(19), ' ', search(999));
  writeln(countdown(10), ' ', countdown(2));
  writeln(classify(-5), ' ', classify(0), ' ', classify(9));
  writeln(half(10), ' ', half(7), ' ', half(-400000), ' ', isdigit('7'), ' ', isdigit('x'));

  { for: continue skips the rest of the pass, break leaves the loop and
    keeps the control variable }
  total := 0;
  for i := 1 to 10 do begin
    if i mod 3 = 0 then continue;
    if i = 9 then break;
    total := total + i;
  end;
  writeln('for ', total, ' ', i);
  total := 0;
  for i := 10 downto 1 do begin
    if i > 7 then continue;
    total := total + i;
    if total > 12 then break;
  end;
  writeln('downto ', total, ' ', i);
  n := 0;
  for i := 1 to 5 do
    continue;
  for k := -3 to 3 do begin
    if k < 0 then continue;
    n := n + 1;
  end;
  writeln('empty passes ', i, ' ', n);

  { while: continue goes back to the test }
  w := 0;
  n := 0;
  while w < 50 do begin
    w := w + 7;
    if w mod 2 = 0 then continue;
    n := n + 1;
    if w > 40 then break;
  end;
  writeln('while ', w, ' ', n);

  { repeat: continue goes to the until test, which can end the loop }
  i := 0;
  n := 0;
  repeat
    i := i + 1;
    if i < 4 then continue;
    n := n + i;
  until i >= 6;
  writeln('repeat ', i, ' ', n);
  i := 0;
  repeat
    i := i + 2;
    if i = 8 then break;
  until false;
  writeln('repeat break ', i);

  { nested loops: each break and continue belongs to its own loop }
  total := 0;
  for i := 1 to 4 do begin
    j := 0;
    while true do begin
      j := j + 1;
      if j = i then continue;
      if j > 3 then break;
      total := total + 1;
    end;
    if i = 3 then continue;
    total := total + 10;
  end;
  writeln('nested ', total);

  { break inside a case branch inside a loop }
  n := 0;
  for i := 1 to 9 do begin
    case i of
      2, 4: continue;
      7: break;
    else
      n := n + i;
    end;
  end;
  writeln('case ', n, ' ', i);

  exit;
  writeln('never written');
end.
