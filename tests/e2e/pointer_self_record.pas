program pointer_self_record;
{$i system.inc}
{ Records that point to themselves and to a record declared after them,
  through fields written as ^name inside the record. }
type
  node = record
    v: byte;
    next: ^node;
  end;
  tree = record
    key: word;
    left, right: ^tree;
    tag: ^tagrec;
  end;
  tagrec = record
    c: char;
    n: byte;
  end;
  ptree = ^tree;
  slots = array[1..3] of ^node;
var
  head, p: ^node;
  i: byte;
  root: ptree;
  s: slots;

procedure insert(var t: ptree; k: word);
begin
  if t = nil then
  begin
    new(t);
    t^.key := k;
    t^.left := nil;
    t^.right := nil;
    new(t^.tag);
    t^.tag^.c := char(byte('a') + k mod 26);
    t^.tag^.n := k div 10;
  end
  else if k < t^.key then
    insert(t^.left, k)
  else
    insert(t^.right, k);
end;

procedure show(t: ptree);
begin
  if t <> nil then
  begin
    show(t^.left);
    write(t^.key, t^.tag^.c, t^.tag^.n, ' ');
    show(t^.right);
  end;
end;

begin
  head := nil;
  for i := 1 to 5 do
  begin
    new(p);
    p^.v := i * 3;
    p^.next := head;
    head := p;
  end;
  p := head;
  while p <> nil do
  begin
    write(p^.v, ' ');
    p := p^.next;
  end;
  writeln;
  root := nil;
  insert(root, 50); insert(root, 20); insert(root, 70); insert(root, 10);
  insert(root, 30); insert(root, 65); insert(root, 99);
  show(root);
  writeln;
  for i := 1 to 3 do s[i] := head;
  s[2] := s[2]^.next;
  s[3] := s[3]^.next^.next^.next^.next;
  writeln(s[1]^.v, ' ', s[2]^.v, ' ', s[3]^.v, ' ', s[3]^.next = nil);
end.
