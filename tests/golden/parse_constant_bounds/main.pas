program bounds;
{ Only integer constants (and one-character literals) serve as bounds and
  string lengths; any other name is reported. }
const n = 4; greeting = 'hey';
var v: byte;
  a: array [1..v] of byte;
  b: array [1..greeting] of byte;
  s: string[v];
  r: n..nothing;
  q: 'ab'..'z';
begin
end.
