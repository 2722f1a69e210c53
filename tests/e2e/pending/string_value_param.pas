program string_value_param;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  A string value parameter arrives as the caller's address and is not
  copied: the callee's assignment changes the caller's string
  (outside changed). }
var s: string[20];

procedure change(t: string);
begin
  t := 'changed';
  writeln('inside ', t);
end;

begin
  s := 'original';
  change(s);
  writeln('outside ', s);
end.
