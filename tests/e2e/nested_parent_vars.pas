program nested_parent_vars;
{$i system.inc}

procedure outer(n: byte);
var total: word;
  tag: char;

  procedure add(k: word);
  begin
    total := total + k;
  end;

  procedure show;
  begin
    writeln(tag, ' ', n, ' ', total);
  end;

var i: byte;
begin
  total := 0;
  tag := 'T';
  for i := 1 to n do add(i);
  show;
end;

begin
  outer(4);
  outer(10);
end.
