program linkedlist;

{ A singly linked list kept in a fixed pool of nodes, with a pointer type
  declared before the record it points to.
  It writes nothing (it includes no run-time): what it shows is in the
  .asm file.  It runs to its end on the Z80 all the same.

  Output:
}
type
  pnode = ^node;
  node = record
    next: pnode;
    value: word;
  end;
  index = 0..15;
  pool = array [index] of node;

const
  empty = 0; { the end of the list }

var
  nodes: pool;
  used: byte;
  head: pnode;

function newnode(v: word): pnode;
begin
  result := @nodes[used];
  result^.value := v;
  result^.next := head;
  used := used + 1;
end;

procedure push(v: word);
begin
  if used < 16 then
    head := newnode(v);
end;

function sum: word;
var
  p: pnode;
begin
  result := 0;
  p := head;
  while p <> empty do
  begin
    result := result + p^.value;
    p := p^.next;
  end;
end;

var
  i: byte;
  total: word;
begin
  used := 0;
  head := empty;
  for i := 1 to 10 do
    push(i);
  total := sum;
end.
