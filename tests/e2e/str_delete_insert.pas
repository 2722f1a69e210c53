program str_delete_insert;
{$i system.inc}
{ delete and insert at every position of a short string, with counts
  and indexes below, inside and beyond it, into variables of smaller
  capacity, and past 255 characters. }
var s: string; u: string[4]; w: string[6]; i, j: integer;
begin
  for i := -1 to 8 do
    for j := -1 to 8 do
    begin
      s := 'abcdef';
      delete(s, i, j);
      write(s, length(s), ' ');
    end;
  writeln;
  s := 'abc';
  delete(s, 2, 300);
  writeln(s);
  s := 'abc';
  delete(s, 300, 1);
  writeln(s);
  s := 'abc';
  delete(s, 1, -300);
  writeln(s);
  u := 'wxyz';
  delete(u, 4, 1);
  writeln(u);
  s := '';
  delete(s, 1, 1);
  writeln('[', s, ']');
  for i := -1 to 9 do
  begin
    s := 'abcdef';
    insert('XYZ', s, i);
    w := 'abcd';
    insert('XYZ', w, i);
    write(s, length(s), ' ', w, length(w), ' ');
    w := 'abcdef';
    insert('XY', w, i);
    write(w, ' ');
    w := 'abc';
    insert('1234567', w, i);
    writeln(w, ' ', length(w));
  end;
  s := 'abc';
  insert('', s, 2);
  insert('Q', s, 300);
  insert('R', s, -300);
  writeln(s);
  s := '';
  insert('first', s, 5);
  writeln(s);
  s := 'x';
  for i := 1 to 300 do
    insert('ab', s, 2);
  writeln(length(s), ' ', copy(s, 250, 10));
end.
