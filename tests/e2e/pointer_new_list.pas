program pointer_new_list;
{$i system.inc}
type
  pnode = ^node;
  node = record
    value: longint;
    next: pnode;
  end;
var head, p: pnode;
  i: byte;
  sum: longint;
begin
  head := nil;
  for i := 1 to 10 do
  begin
    new(p);
    p^.value := i * i;
    p^.next := head;
    head := p;
  end;
  sum := 0;
  p := head;
  while p <> nil do
  begin
    write(p^.value, ' ');
    sum := sum + p^.value;
    p := p^.next;
  end;
  writeln;
  writeln(sum);
end.
