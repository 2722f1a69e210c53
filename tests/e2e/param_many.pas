program param_many;
{$i system.inc}

function sum10(a, b, c, d, e, f, g, h, i, j: word): word;
begin
  result := a + b + c + d + e + f + g + h + i + j;
end;

procedure mixed(a: byte; var b: word; c: longint; const d: string; e: char);
begin
  b := b + a;
  writeln(a, ' ', b, ' ', c, ' ', d, ' ', e);
end;

var w: word;
begin
  writeln(sum10(1, 2, 3, 4, 5, 6, 7, 8, 9, 10));
  writeln(sum10(1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000));
  w := 40;
  mixed(2, w, -70000, 'str', char(99));
  writeln(w);
end.
