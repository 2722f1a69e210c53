program ranges;
type colour = (red, green, blue);
var b: byte;
  c: char;
  k: colour;
begin
  case b of
    1, 5..3: b := 1;
    -2..-4, 7..7: b := 2;
  end;
  case c of
    'z'..'a': b := 3;
  end;
  case k of
    blue..red: b := 4;
  end;
end.
