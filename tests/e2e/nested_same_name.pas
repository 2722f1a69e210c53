program nested_same_name;
{$i system.inc}
{ A nested subroutine named like an earlier one outside, or like the
  subroutine it is nested in, is a subroutine of its own. }
procedure b;
begin
  writeln('outer b');
end;

procedure a;
  procedure b;
  begin
    writeln('inner b');
  end;
begin
  b;
end;

procedure p;
  procedure p;
  begin
    writeln('inner p');
  end;
begin
  writeln('outer p');
  p;
end;

begin
  a;
  b;
  p;
end.
