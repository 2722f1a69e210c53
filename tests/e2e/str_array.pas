program str_array;
{$i system.inc}
var names: array [1..4] of string[12];
  i, j: byte;
  t: string[12];
begin
  names[1] := 'delta';
  names[2] := 'alpha';
  names[3] := 'charlie';
  names[4] := 'bravo';
  for i := 1 to 3 do
    for j := 1 to 4 - i do
      if names[j] > names[j + 1] then
      begin
        t := names[j];
        names[j] := names[j + 1];
        names[j + 1] := t;
      end;
  for i := 1 to 4 do writeln(i, ' ', names[i], ' ', length(names[i]));
  names[2] := names[2] + '!';
  writeln(names[2], ' ', names[2][1], names[3][length(names[3])]);
end.
