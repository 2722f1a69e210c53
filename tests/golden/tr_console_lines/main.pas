program lines;
{ The translator's console lines: a self-assignment, the address of a
  subroutine (which waits for Enter), and a boolean "+" it cannot lower. }
var
  i: byte;
  p: pointer;
  a, b: boolean;

procedure tick;
begin
  i := i + 1;
end;

begin
  p := @tick;
  a := a + b;
  i := i - 2;
  tick;
end.
