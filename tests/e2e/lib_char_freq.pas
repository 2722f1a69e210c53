program lib_char_freq;
{$i system.inc}
{ Reads the input one char at a time up to its end: counts letters,
  digits, blanks and lines, totals the numbers it finds, and draws a
  bar chart of the five most frequent letters. }
var
  c: char;
  letters: array['a'..'z'] of integer;
  digits, blanks, lines, others, k, best, number, total: integer;
  l, top: char;
begin
  for l := 'a' to 'z' do
    letters[l] := 0;
  digits := 0;
  blanks := 0;
  lines := 0;
  others := 0;
  number := 0;
  total := 0;
  while not eof do
  begin
    read(c);
    if (c >= '0') and (c <= '9') then
    begin
      inc(digits);
      number := number * 10 + ord(c) - ord('0');
    end
    else
    begin
      inc(total, number);
      number := 0;
      c := lowercase(c);
      if (c >= 'a') and (c <= 'z') then
        inc(letters[c])
      else if c = ' ' then
        inc(blanks)
      else if eoln or (c = #10) then
        inc(lines)
      else
        inc(others);
    end;
  end;
  inc(total, number);
  writeln('digits ', digits, ', blanks ', blanks, ', lines ', lines, ', others ', others, ', sum ', total);
  for k := 1 to 5 do
  begin
    best := 0;
    top := 'a';
    for l := 'a' to 'z' do
      if letters[l] > best then
      begin
        best := letters[l];
        top := l;
      end;
    write(upcase(top), ' ');
    for best := 1 to letters[top] do
      write('#');
    writeln(' ', letters[top]);
    letters[top] := 0;
  end;
end.
