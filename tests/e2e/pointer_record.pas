program pointer_record;
{$i system.inc}
type
  pitem = ^item;
  item = record
    value: smallint;
    name: string[10];
    next: pitem;
  end;
var a, b: item;
  p: pitem;
begin
  a.value := -7;
  a.name := 'first';
  b.value := 9;
  b.name := 'second';
  a.next := @b;
  b.next := nil;
  p := @a;
  while p <> nil do
  begin
    writeln(p^.name, ' ', p^.value);
    p := p^.next;
  end;
  p := @a;
  p^.next^.value := 99;
  writeln(b.value);
end.
