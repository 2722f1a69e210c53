program wide;
{ No code handles 8-byte integers: every declaration that uses one is
  reported, as is a cast to one. }
const m = -4294967295;
type big = int64;
  pair = record lo: longint; hi: uint64; end;
var x: big;
  p: ^int64;
  l: longint;
function twice(v: int64): longint;
begin
  result := 0;
end;
begin
  l := longint(int64(l));
end.
