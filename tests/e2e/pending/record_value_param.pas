program record_value_param;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  A record value parameter larger than 4 bytes arrives as the caller's
  address and is not copied: the callee's assignments change the caller's
  record (outside 0 0). }
type
  big = record
    a: longint;
    b: word;
  end;
var r: big;

procedure clobber(x: big);
begin
  x.a := 0;
  x.b := 0;
  writeln('inside ', x.a, ' ', x.b);
end;

begin
  r.a := 5;
  r.b := 6;
  clobber(r);
  writeln('outside ', r.a, ' ', r.b);
end.
