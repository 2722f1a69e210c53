program lib_linked_list;
{$i system.inc}
{ A sorted list of names with counts: insert, remove with dispose, and
  the heap is reused for new nodes. }
type
  pnode = ^node;
  node = record
    name: string[12];
    count: integer;
    next: pnode;
  end;
var
  head: pnode;

procedure add(const name: string);
var p, q, prev: pnode;
  placed: boolean;
begin
  p := head;
  prev := nil;
  placed := false;
  while (p <> nil) and not placed do
  begin
    if p^.name = name then
    begin
      inc(p^.count);
      placed := true;
    end
    else if p^.name > name then
      placed := true
    else
    begin
      prev := p;
      p := p^.next;
    end;
  end;
  if (p = nil) or (p^.name <> name) then
  begin
    new(q);
    q^.name := name;
    q^.count := 1;
    q^.next := p;
    if prev = nil then
      head := q
    else
      prev^.next := q;
  end;
end;

procedure remove(const name: string);
var p, prev: pnode;
begin
  p := head;
  prev := nil;
  while (p <> nil) and (p^.name <> name) do
  begin
    prev := p;
    p := p^.next;
  end;
  if p <> nil then
  begin
    if prev = nil then
      head := p^.next
    else
      prev^.next := p^.next;
    dispose(p);
  end;
end;

procedure show;
var p: pnode;
  total: integer;
begin
  p := head;
  total := 0;
  while p <> nil do
  begin
    write(p^.name, ':', p^.count, ' ');
    inc(total, p^.count);
    p := p^.next;
  end;
  writeln('= ', total);
end;

var
  words: string;
  w: string[12];
  k, first, last: integer;
begin
  head := nil;
  words := 'pear apple fig apple kiwi pear apple plum fig date ';
  first := 1;
  for k := 1 to length(words) do
    if words[k] = ' ' then
    begin
      w := copy(words, first, k - first);
      add(w);
      first := k + 1;
    end;
  show;
  remove('apple');
  remove('date');
  remove('zucchini');
  show;
  add('banana');
  add('cherry');
  add('apple');
  show;
  while head <> nil do
    remove(head^.name);
  show;
  last := 0;
  for k := 1 to 200 do
  begin
    add('x');
    remove('x');
    inc(last);
  end;
  writeln(last, ' nodes made and given back');
end.
