program lit;
{ 2^64 used to wrap to 0: every literal beyond 32 bits stops the run. }
var l: longword;
begin
  l := 4294967295;
  l := 18446744073709551616;
end.
