program lib_text_edit;
{$i system.inc}
{ A small editor's string work: replace every occurrence of a word,
  trim blanks, center a title and split a path, with pos, copy, delete,
  insert and concat. }

function replaced(s: string; const old, new_text: string): string;
var at: integer;
begin
  result := '';
  at := pos(old, s);
  while at > 0 do
  begin
    result := concat(result, copy(s, 1, at - 1), new_text);
    delete(s, 1, at - 1 + length(old));
    at := pos(old, s);
  end;
  result := result + s;
end;

function trimmed(s: string): string;
begin
  while (length(s) > 0) and (s[1] = ' ') do
    delete(s, 1, 1);
  while (length(s) > 0) and (s[length(s)] = ' ') do
    delete(s, length(s), 1);
  result := s;
end;

function centered(const s: string; width: integer): string;
var k: integer;
begin
  result := s;
  for k := 1 to (width - length(s)) div 2 do
    insert(' ', result, 1);
  while length(result) < width do
    insert('.', result, length(result) + 1);
end;

var
  line, path, part: string;
  short: string[8];
  slash: integer;
begin
  line := 'the cat sat on the mat with the other cat';
  writeln(replaced(line, 'cat', 'dog'));
  writeln(replaced(line, 'the ', ''));
  writeln(replaced(line, 'zebra', 'horse'));
  writeln('[', trimmed('   padded text  '), '] [', trimmed('    '), ']');
  writeln('[', centered('Title', 15), ']');
  path := '/usr/local/share/tarnwick/rtl';
  while length(path) > 0 do
  begin
    delete(path, 1, 1);
    slash := pos('/', path);
    if slash = 0 then
      slash := length(path) + 1;
    part := copy(path, 1, slash - 1);
    delete(path, 1, slash - 1);
    write(part, ' ');
  end;
  writeln;
  short := 'abcdef';
  insert('1234', short, 4);
  writeln(short, ' ', length(short));
  delete(short, 2, 100);
  writeln(short, ' ', length(short));
  line := 'x';
  insert('', line, 1);
  delete(line, 0, 1);
  delete(line, 2, 1);
  writeln(line, concat('<', line, '>', line, '!'));
  line := 'one=1; two=22; three=333';
  slash := pos('=', line);
  while slash > 0 do
  begin
    write(copy(line, slash + 1, pos(';', line + ';', slash) - slash - 1), ' ');
    slash := pos('=', line, slash + 1);
  end;
  writeln(copy(line, pos('three', line)));
end.
