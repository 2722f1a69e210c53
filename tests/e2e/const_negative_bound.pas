program const_negative_bound;
{$i system.inc}
{ A negative constant serves as a lower bound; a written "-5" does not. }
const lo = -5; hi = 5; base = -100;
type small = base..100;
var a: array[lo..hi] of byte; i: shortint; s: small; w: word;
begin
  for i := lo to hi do a[i] := i + 10;
  w := 0;
  for i := lo to hi do w := w + a[i] * (i + 6);
  writeln(w, ' ', a[lo], ' ', a[hi], ' ', a[0]);
  s := base; writeln(s, ' ', sizeof(small));
end.
