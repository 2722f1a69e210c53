{ new_list.pas: a linked list on the heap with new: build it, print it,
  reverse it in place, and take out the even values.

  Output:
    list: 1 4 9 16 25 36 49 64
    sum 204, 8 nodes
    reversed: 64 49 36 25 16 9 4 1
    odd only: 49 25 9 1
}
program new_list;
{$i system.inc}
type
  pnode = ^node;
  node = record
    value: word;
    next: pnode;
  end;
var
  head, p, q, r: pnode;
  i: byte;
  sum, count: word;

procedure show(const title: string; list: pnode);
begin
  write(title, ':');
  while list <> nil do
  begin
    write(' ', list^.value);
    list := list^.next;
  end;
  writeln;
end;

procedure append(var first: pnode; v: word);
var n, last: pnode;
begin
  new(n);
  n^.value := v;
  n^.next := nil;
  if first = nil then
    first := n
  else
  begin
    last := first;
    while last^.next <> nil do last := last^.next;
    last^.next := n;
  end;
end;

begin
  head := nil;
  for i := 1 to 8 do append(head, i * i);
  show('list', head);
  sum := 0;
  count := 0;
  p := head;
  while p <> nil do
  begin
    sum := sum + p^.value;
    count := count + 1;
    p := p^.next;
  end;
  writeln('sum ', sum, ', ', count, ' nodes');
  { reverse in place }
  p := head;
  r := nil;
  while p <> nil do
  begin
    q := p^.next;
    p^.next := r;
    r := p;
    p := q;
  end;
  head := r;
  show('reversed', head);
  { unlink the even values }
  while (head <> nil) and (head^.value mod 2 = 0) do head := head^.next;
  p := head;
  while p <> nil do
  begin
    q := p^.next;
    if q <> nil then
      if q^.value mod 2 = 0 then
        p^.next := q^.next
      else
        p := q
    else
      p := q;
  end;
  show('odd only', head);
end.
