program sl;
{ A string's length byte counts at most 255 characters. }
const n = 256;
var fits: string[255];
  over: string[n];
begin
end.
