program cv;
{ A typed constant keeps its value only when its type holds it. }
const fits: shortint = -128;
  over: byte = 256;
begin
end.
