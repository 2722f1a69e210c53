type
  pnode = ^node;
  pitem = ^item;
  node = record
    next: pnode;
    item: pitem;
  end;
  pword = ^word;
var
  head: pnode;
begin
  head := head^.next;
end.
