program shadowed;
{ Routines and variables named exit, break, continue and sizeof are what
  the program declares, as before these became statements and built-ins. }
var break, calls: byte;
procedure exit;
begin
  calls := calls + 1;
end;
procedure exit(n: byte);
begin
  calls := calls + n;
end;
function sizeof(b: byte): byte;
begin
  result := b;
end;
procedure p;
  procedure continue;
  begin
  end;
begin
  continue;
end;
begin
  exit;
  exit(2);
  break := sizeof(3);
  break;
  p;
end.
