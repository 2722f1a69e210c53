program strings;
var s, t: string[8]; c: char; b: boolean;
begin
  s := t;
  s := s + c;
  b := s < t;
end.
