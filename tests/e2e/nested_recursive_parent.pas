program nested_recursive_parent;
{$i system.inc}
{ Nested subroutines reach the variables of their parent's live
  activation, also after the parent has recursed: reading and writing
  them, from a function, and two levels deep. }

procedure p(n: byte);
var x: byte;

  procedure q;
  begin
    write(x, ' ');
  end;

begin
  x := n;
  if n > 0 then p(n - 1);
  q;
end;

function sum(n: word): word;
var acc: word;

  procedure add(v: word);
  begin
    acc := acc + v;
  end;

begin
  acc := 0;
  if n > 1 then add(sum(n - 1));
  add(n);
  result := acc;
end;

procedure outer(depth: byte);
var tag: byte;

  procedure middle;
  var m: byte;

    procedure inner;
    begin
      write(tag, ':', m, ' ');
    end;

  begin
    m := tag * 10;
    if tag > 1 then outer(tag - 1);
    inner;
  end;

begin
  tag := depth;
  middle;
end;

begin
  p(3);
  writeln;
  writeln(sum(10));
  outer(3);
  writeln;
end.
