program strminus;
var s, t: string[8];
begin
  s := s - t;
end.
