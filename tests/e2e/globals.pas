program globals;
{$i system.inc}
var counter: word;
  name: string[10];
  big: longint;
  history: array [1..5] of byte;

procedure record_it(v: byte);
begin
  counter := counter + 1;
  history[counter] := v;
  big := big * 2 + v;
end;

function describe: word;
begin
  name := 'done';
  result := counter * 100;
end;

var i: byte;
begin
  counter := 0;
  big := 1;
  for i := 1 to 5 do record_it(i * 3);
  for i := 1 to 5 do write(history[i], ' ');
  writeln;
  writeln(big);
  writeln(describe, ' ', name);
end.
