program heap_sizes;
{$i system.inc}
{ new asks for the size of the pointer's target: a 300-byte record does
  not run into the block after it, and small nodes take little room;
  dispose, getmem and freemem give memory back for the next requests. }
type
  pbig = ^big;
  big = record
    data: array[1..300] of byte;
    tag: word;
  end;
  pnode = ^node;
  node = record
    value: word;
    next: pnode;
  end;
var
  a, b: pbig;
  head, p: pnode;
  i: word;
  round: byte;
  sum: longword;
  raw: pointer;

procedure fill(r: pbig; v: byte);
var k: word;
begin
  for k := 1 to 300 do
    r^.data[k] := v;
  r^.tag := 1000 + v;
end;

begin
  new(a);
  new(b);
  fill(b, 2);
  fill(a, 1);
  writeln('a: ', a^.data[1], ' ', a^.data[300], ' ', a^.tag);
  writeln('b: ', b^.data[1], ' ', b^.data[300], ' ', b^.tag);
  dispose(a);
  dispose(b);
  { 40 rounds of 1000 nodes: far more than the heap holds at once }
  sum := 0;
  for round := 1 to 40 do
  begin
    head := nil;
    for i := 1 to 1000 do
    begin
      new(p);
      p^.value := i;
      p^.next := head;
      head := p;
    end;
    while head <> nil do
    begin
      p := head;
      sum := sum + p^.value;
      head := head^.next;
      dispose(p);
    end;
  end;
  writeln('sum ', sum);
  getmem(raw, 20000);
  freemem(raw);
  getmem(raw, 20000);
  freemem(raw, 20000);
  writeln('done');
end.
