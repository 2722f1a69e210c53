program lib_word_count;
{$i system.inc}
{ wc for the console: lines, words and characters of the input, the
  longest word, and how often each word length occurs. }
var
  line, word, longest: string;
  lines, words, chars, k: integer;
  lengths: array[1..12] of integer;

procedure count_word(const w: string);
var n: integer;
begin
  inc(words);
  n := length(w);
  if n > 12 then
    n := 12;
  inc(lengths[n]);
  if length(w) > length(longest) then
    longest := w;
end;

begin
  lines := 0;
  words := 0;
  chars := 0;
  longest := '';
  for k := 1 to 12 do
    lengths[k] := 0;
  while not eof do
  begin
    readln(line);
    inc(lines);
    inc(chars, length(line));
    word := '';
    for k := 1 to length(line) do
      if (line[k] = ' ') or (line[k] = ',') or (line[k] = '.') then
      begin
        if length(word) > 0 then
          count_word(word);
        word := '';
      end
      else
        word := word + lowercase(line[k]);
    if length(word) > 0 then
      count_word(word);
  end;
  writeln(lines, ' lines, ', words, ' words, ', chars, ' characters');
  writeln('longest word: ', upcase(longest), ' (', length(longest), ')');
  for k := 1 to 12 do
    if lengths[k] > 0 then
      writeln(k, ' letters: ', lengths[k]);
end.
